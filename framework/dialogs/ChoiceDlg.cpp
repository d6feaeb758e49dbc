#include "framework/dialogs/ChoiceDlg.h"

#include "afx/dialogs/DataExchange.h"
#include "framework/dialogs/ChoiceDlgIds.h"

namespace
{
bool IsRadioButton(HWND window)
{
    char className[16] = "";
    ::GetClassNameA(window, className, sizeof className);
    LONG type = ::GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK;
    return lstrcmpiA(className, "Button") == 0 && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}
}

CChoiceDlg::CChoiceDlg(UINT templateId, CWnd* parent) : CMyDialog(templateId, parent)
{
    m_noHelp = TRUE;
}

void CChoiceDlg::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_CHOICE_FIRST, m_selected);
}

BOOL CChoiceDlg::OnInitDialog()
{
    ModifyStyle(0, DS_NOIDLEMSG);
    int count = 0;
    for (HWND button = ::GetDlgItem(m_hWnd, IDC_CHOICE_FIRST); button != NULL && count < MaxChoices;
         button = ::GetWindow(button, GW_HWNDNEXT), ++count)
    {
        if (!IsRadioButton(button) || (count > 0 && (::GetWindowLongA(button, GWL_STYLE) & WS_GROUP) != 0))
            break;
        BOOL disabled = (m_disabledMask & (1u << count)) != 0;
        ::EnableWindow(button, !disabled);
        if (disabled && m_selected == count)
            ++m_selected;
        CString format;
        CWnd::FromHandle(button)->GetWindowText(format);
        CString caption;
        caption.Format(format, (LPCTSTR)m_firstTexts[count], (LPCTSTR)m_secondTexts[count]);
        ::SetWindowTextA(button, caption);
    }
    if (m_selected >= count)
    {
        m_selected = 0;
        while (m_selected < count && (m_disabledMask & (1u << m_selected)) != 0)
            ++m_selected;
    }
    CMyDialog::OnInitDialog();
    if (!m_heading.IsEmpty())
        ::SetDlgItemTextA(m_hWnd, IDC_CHOICE_HEADING, m_heading);
    if (CWnd* button = GetDlgItem(IDC_CHOICE_FIRST + 0))
    {
        HWND selected = button->m_hWnd;
        for (int i = 0; i < m_selected && selected != NULL; ++i)
            selected = ::GetWindow(selected, GW_HWNDNEXT);
        if (selected != NULL)
            ::SetFocus(selected);
    }
    return FALSE;
}
