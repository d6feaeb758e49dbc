#include "framework/dialogs/TemplateWndArray.h"

namespace
{
    CRect RectInParent(HWND hWnd)
    {
        CRect rect;
        ::GetWindowRect(hWnd, &rect);
        HWND parent = ::GetParent(hWnd);
        if (parent != NULL)
            ::MapWindowPoints(NULL, parent, (LPPOINT)&rect, 2);
        return rect;
    }
}

CTemplateWndArray::~CTemplateWndArray()
{
    if (ownsWindows)
        DestroyAll();
}

int CTemplateWndArray::Find(HWND hWnd) const
{
    for (INT_PTR i = 0; i < GetSize(); ++i)
    {
        if (GetAt(i) == hWnd)
            return (int)i;
    }
    return -1;
}

void CTemplateWndArray::DestroyAll()
{
    for (INT_PTR i = 0; i < GetSize(); ++i)
    {
        if (::IsWindow(GetAt(i)))
            ::DestroyWindow(GetAt(i));
    }
    RemoveAll();
}

void CTemplateWndArray::EnableAll(BOOL enable)
{
    for (INT_PTR i = 0; i < GetSize(); ++i)
    {
        if (::IsWindow(GetAt(i)))
            ::EnableWindow(GetAt(i), enable);
    }
}

CRect CTemplateWndArray::GetBoundingRect() const
{
    CRect bounds(0, 0, 0, 0);
    for (INT_PTR i = 0; i < GetSize(); ++i)
    {
        if (::IsWindow(GetAt(i)))
        {
            CRect rect = RectInParent(GetAt(i));
            bounds.UnionRect(bounds, rect);
        }
    }
    return bounds;
}

void CTemplateWndArray::MoveAll(int dx, int dy)
{
    for (INT_PTR i = 0; i < GetSize(); ++i)
    {
        if (::IsWindow(GetAt(i)))
        {
            CRect rect = RectInParent(GetAt(i));
            ::MoveWindow(GetAt(i), rect.left + dx, rect.top + dy, rect.Width(), rect.Height(), TRUE);
        }
    }
}
