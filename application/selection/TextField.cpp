#include "application/selection/TextField.h"

#include "application/selection/FieldFormIds.h"
#include "application/selection/FieldList.h"
#include "foundation/windows/DialogExchange.h"

IMPLEMENT_DYNAMIC(CTextField, CField)

CTextField::CTextField() : CTextField(KIND_TEXT)
{
}

CTextField::CTextField(int kind) : CField(kind), m_nWidthChars(1), m_nMinLength(0), m_nMaxLength(0), m_nControlId(0)
{
}

BOOL CTextField::CreateEdit(CFieldList& list, HWND& previous, UINT prototypeId, int lines)
{
    if (!CreateLabel(list, previous))
        return FALSE;
    DWORD extra = 0;
    if (m_style & FS_NUMBER)
        extra |= ES_NUMBER;
    if (m_style & FS_READ_ONLY)
        extra |= ES_READONLY;
    const CSize prototype = list.GetPrototypeSize(prototypeId);
    const TEXTMETRIC& metrics = list.GetTextMetrics();
    const int width = prototype.cx + (m_nWidthChars - 4) * metrics.tmAveCharWidth;
    const int height = prototype.cy + (lines - 1) * metrics.tmHeight;
    HWND edit = AddWindow(list, prototypeId, extra, previous, m_nLabelWidth, m_nControlTop, width, height);
    if (edit == NULL)
        return FALSE;
    m_nControlId = ::GetDlgCtrlID(edit);
    ::SetWindowTextA(edit, m_value);
    return TRUE;
}

BOOL CTextField::Create(CFieldList& list, HWND& previous)
{
    return CreateEdit(list, previous, IDC_FIELD_EDIT, 1);
}

void CTextField::SetFocus()
{
    ::SetFocus(::GetDlgItem(::GetParent(m_windows[m_windows.GetSize() - 1]), m_nControlId));
    ::SendDlgItemMessageA(::GetParent(m_windows[0]), m_nControlId, EM_SETSEL, 0, -1);
}

void CTextField::Exchange(CDataExchange* pDX)
{
    const int minimum = ((m_style & FS_OPTIONAL) || m_nMinLength > 0) ? m_nMinLength : 1;
    DDX_TrimmedText(pDX, m_nControlId, m_value, minimum, m_nMaxLength < 1 ? 32767 : m_nMaxLength);
}

BOOL CTextField::IsMainWindow(HWND window) const
{
    return ::GetDlgCtrlID(window) == (int)m_nControlId;
}
