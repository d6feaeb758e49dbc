#pragma once

#include "afx/app/AfxWin.h"

// The windows created together from template items, moved, enabled,
// measured and destroyed as one group. Windows are added with Add.
class CTemplateWndArray : public CArray<HWND, HWND>
{
public:
    CTemplateWndArray() : ownsWindows(FALSE) {}
    ~CTemplateWndArray();

    int Find(HWND hWnd) const;
    // Destroys the windows that still exist and empties the array.
    void DestroyAll();
    void EnableAll(BOOL enable);
    // The union of the windows' rectangles in their parent's client
    // coordinates; empty when none exists.
    CRect GetBoundingRect() const;
    // Moves every window by (dx, dy) within its parent, keeping its size.
    void MoveAll(int dx, int dy);

    BOOL ownsWindows;   // destroy the windows with the array

private:
    CTemplateWndArray(const CTemplateWndArray&) = delete;
    CTemplateWndArray& operator=(const CTemplateWndArray&) = delete;
};
