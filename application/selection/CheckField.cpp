#include "application/selection/CheckField.h"

#include "application/selection/FieldFormIds.h"
#include "application/selection/FieldList.h"
#include "foundation/windows/DialogMetrics.h"
#include "foundation/windows/WindowGeometry.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CCheckField, CField)

CCheckField::CCheckField() : CField(KIND_CHECK), m_nValue(0), m_bHasLabelWindow(FALSE), m_nControlId(0)
{
}

BOOL CCheckField::Create(CFieldList& list, HWND& previous)
{
    const DWORD leftText = (m_style & FS_LEFT_TEXT) ? BS_LEFTTEXT : 0;
    const int offset = (m_style & FS_EDIT_OFFSET) ? GetEditLabelOffset() : 0;
    if (!IsRadio())
    {
        const UINT prototype = (m_style & FS_OPTIONAL) ? IDC_FIELD_CHECK3 : IDC_FIELD_CHECK;
        const CSize size = list.GetPrototypeSize(prototype);
        HWND box = AddWindow(list, prototype, leftText, previous, 0, offset, size.cx + list.GetTextExtent(m_label).cx,
                             size.cy);
        if (box == NULL)
            return FALSE;
        ::SetWindowTextA(box, m_label);
        m_nControlId = ::GetDlgCtrlID(box);
        ::SendMessageA(box, BM_SETCHECK, m_nValue, 0);
        return TRUE;
    }
    m_bHasLabelWindow = !m_label.IsEmpty();
    HWND first = CreateRadioGroup(list, previous, m_options, (m_style & FS_OPTIONAL) ? 3 : 2);
    if (first == NULL)
        return FALSE;
    m_nControlId = ::GetDlgCtrlID(first);
    CheckRadioByIndex(CWnd::FromHandle(first), m_nValue);
    return TRUE;
}

void CCheckField::SetFocus()
{
    ::SetFocus(::GetDlgItem(::GetParent(m_windows[0]), m_nControlId));
}

void CCheckField::Exchange(CDataExchange* pDX)
{
    if (IsRadio())
        DDX_Radio(pDX, m_nControlId, m_nValue);
    else
        DDX_Check(pDX, m_nControlId, m_nValue);
}

void CCheckField::Place(int labelWidth, int controlWidth)
{
    if (IsRadio())
    {
        m_nLabelWidth = labelWidth;
        return;
    }
    CRect rect;
    ::GetWindowRect(m_windows[0], &rect);
    ::MapWindowPoints(NULL, ::GetParent(m_windows[0]), (POINT*)&rect, 2);
    ::MoveWindow(m_windows[0], 0, rect.top, labelWidth + controlWidth, rect.Height(), FALSE);
    m_nLabelWidth = labelWidth;
}
