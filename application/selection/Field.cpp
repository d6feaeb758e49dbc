#include "application/selection/Field.h"

#include "application/selection/FieldFormIds.h"
#include "application/selection/FieldList.h"
#include "foundation/windows/DialogMetrics.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CField, CObject)

CField::CField(int kind)
    : m_nKind(kind), m_style(0), m_nLabelWidth(0), m_reserved(0), m_bEnabled(TRUE), m_bChanged(FALSE), m_nControlTop(0)
{
    m_windows.ownsWindows = TRUE;
}

CField::~CField() = default;

void CField::DestroyWindows()
{
    m_windows.DestroyAll();
}

void CField::Enable(BOOL enable)
{
    m_windows.EnableAll(enable);
}

HWND CField::AddWindow(CFieldList& list, UINT prototypeId, DWORD extraStyle, HWND& previous, int x, int y, int width,
                       int height)
{
    UINT id = 0;
    HWND window = list.CreatePrototype(prototypeId, extraStyle, previous, id);
    if (window == NULL)
        return NULL;
    ::MoveWindow(window, x, y, width, height, FALSE);
    m_windows.Add(window);
    previous = window;
    return window;
}

BOOL CField::CreateLabel(CFieldList& list, HWND& previous)
{
    const CSize size =
        m_label.IsEmpty() ? CSize(0, list.GetPrototypeSize(IDC_FIELD_LABEL).cy) : list.GetTextExtent(m_label);
    const int top = (m_style & FS_EDIT_OFFSET) ? GetEditLabelOffset() : 0;
    HWND label = AddWindow(list, IDC_FIELD_LABEL, 0, previous, 0, top, size.cx, size.cy);
    if (label == NULL)
        return FALSE;
    ::SetWindowTextA(label, m_label);
    if (m_style & FS_LABEL_ABOVE)
    {
        m_nLabelWidth = 0;
        m_nControlTop = top + size.cy + 1;
    }
    else
    {
        m_nLabelWidth = m_label.IsEmpty() ? 0 : size.cx + 4;
        m_nControlTop = 0;
    }
    return TRUE;
}

HWND CField::CreateRadioGroup(CFieldList& list, HWND& previous, const CString* texts, int count)
{
    if (!m_label.IsEmpty() && !CreateLabel(list, previous))
        return NULL;
    const DWORD leftText = (m_style & FS_LEFT_TEXT) ? BS_LEFTTEXT : 0;
    const CSize size = list.GetPrototypeSize(IDC_FIELD_RADIO);
    const int first = (int)m_windows.GetSize();
    int x = m_nLabelWidth, y = m_nControlTop + ((m_style & FS_EDIT_OFFSET) ? GetEditLabelOffset() : 0), widest = 0;
    for (int i = 0; i < count; i++)
    {
        const int width = size.cx + list.GetTextExtent(texts[i]).cx;
        HWND radio = AddWindow(list, IDC_FIELD_RADIO, leftText | (i == 0 ? WS_GROUP | WS_TABSTOP : 0), previous, x, y,
                               width, size.cy);
        if (radio == NULL)
            return NULL;
        ::SetWindowTextA(radio, texts[i]);
        widest = std::max(widest, width);
        if (m_style & FS_SIDE_BY_SIDE)
            x += width + size.cy / 2;
        else
            y += size.cy;
    }
    if (count == 0)
        return NULL;
    for (int i = first; !(m_style & FS_SIDE_BY_SIDE) && i < m_windows.GetSize(); i++)
    {
        CRect rect;
        ::GetWindowRect(m_windows[i], &rect);
        ::MapWindowPoints(NULL, ::GetParent(m_windows[i]), (POINT*)&rect, 2);
        ::MoveWindow(m_windows[i], rect.left, rect.top, widest, rect.Height(), FALSE);
    }
    return m_windows[first];
}

namespace
{
CRect RectInParent(HWND window)
{
    CRect rect;
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(NULL, ::GetParent(window), (POINT*)&rect, 2);
    return rect;
}
} // namespace

void CField::Place(int labelWidth, int controlWidth)
{
    // The control part: the windows at or right of the label width; its main
    // window is the last of them that the field calls main.
    CRect part(0, 0, 0, 0);
    int main = -1;
    for (int i = 0; i < m_windows.GetSize(); i++)
    {
        const CRect rect = RectInParent(m_windows[i]);
        if (rect.left < m_nLabelWidth)
            continue;
        part = part.IsRectNull() ? rect : (part | rect);
        if (IsMainWindow(m_windows[i]))
            main = i;
    }
    // The control part starts at the column's label width; only a main
    // window (not radio buttons) takes the column's extra width.
    const int extra = main >= 0 ? controlWidth - part.Width() : 0;
    const int mainLeft = main >= 0 ? RectInParent(m_windows[main]).left : 0;
    for (int i = 0; i < m_windows.GetSize(); i++)
    {
        const CRect rect = RectInParent(m_windows[i]);
        if (rect.left < m_nLabelWidth)
            continue;
        int x = labelWidth + (rect.left - m_nLabelWidth);
        int width = rect.Width();
        if (i == main)
            width += extra;
        else if (main >= 0 && i > main && rect.left >= mainLeft) // e.g. the edit right of a combo
            x += extra;
        ::MoveWindow(m_windows[i], x, rect.top, width, rect.Height(), FALSE);
    }
    m_nLabelWidth = labelWidth;
}
