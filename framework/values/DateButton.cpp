#include "framework/values/DateButton.h"

#include "foundation/terminology/TokenExpander.h"
#include "framework/messages/MessageRoutines.h"
#include "framework/values/CalendarPopup.h"

IMPLEMENT_DYNAMIC(CDateButton, CMyButton)

BEGIN_MESSAGE_MAP(CDateButton, CMyButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

BOOL CDateButton::OnClicked()
{
    CString text;
    if (m_edit != NULL && m_edit->GetSafeHwnd() != NULL)
        m_edit->GetWindowText(text);
    text.TrimLeft();
    text.TrimRight();
    CDate date;
    if (text.IsEmpty() || !date.Parse(text, m_format, TRUE, NULL))
    {
        if (!text.IsEmpty())
        {
            CString recognised;
            ExpandTokens("~recognised~", recognised);
            if (!AskYesNo(NULL, 0, "The date '%s' is not in the %s date format.\n\nDo you want to change the date anyway?",
                          (LPCTSTR)text, (LPCTSTR)recognised))
                return TRUE;
        }
        date.SetToday();
    }
    CRect rect;
    GetWindowRect(&rect);
    OpenCalendarPopup(rect, this, date);
    return TRUE;
}
