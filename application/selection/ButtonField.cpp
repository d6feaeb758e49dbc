#include "application/selection/ButtonField.h"

#include "application/selection/FieldFormIds.h"
#include "application/selection/FieldList.h"

IMPLEMENT_DYNAMIC(CButtonField, CField)

CButtonField::CButtonField() : CField(KIND_BUTTON), m_nControlId(0)
{
}

BOOL CButtonField::Create(CFieldList& list, HWND& previous)
{
    // A menu button keeps room for its arrow image beside the text.
    const BOOL menu = (m_style & FS_MENU_BUTTON) != 0;
    const CString& text = m_label;
    const CSize size = list.GetPrototypeSize(IDC_FIELD_BUTTON);
    const int width = size.cx + list.GetTextExtent(text).cx + (menu ? 20 : 0);
    HWND button = AddWindow(list, menu ? IDC_FIELD_MENU_BUTTON : IDC_FIELD_BUTTON, 0, previous, 0, 0, width, size.cy);
    if (button == NULL)
        return FALSE;
    ::SetWindowTextA(button, text);
    m_nControlId = ::GetDlgCtrlID(button);
    // Owner-drawn like the program's other buttons.
    m_button.SubclassWindow(button);
    return TRUE;
}

void CButtonField::SetFocus()
{
    ::SetFocus(m_windows[0]);
}
