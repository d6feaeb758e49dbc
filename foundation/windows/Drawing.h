#pragma once

#include "afx/app/AfxWin.h"

// Small drawing functions; each leaves the device context's selected objects
// as it found them.
void PatBltSolid(CDC* dc, int x, int y, int width, int height, COLORREF colour);
void PatBltSolidRect(CDC* dc, const RECT& rect, COLORREF colour);
void DrawRaisedEdge(CDC* dc, const RECT& rect);
void DrawAlignedText(CDC* dc, const RECT& rect, LPCTSTR text, int position, UINT format);
void DrawTextInRect(CDC* dc, const RECT& rect, LPCTSTR text, UINT format);
void FillRectClipped(CDC* dc, const RECT& rect, CBrush* brush, const RECT& clip);

// A frame of the given thicknesses around 'inner'; right and bottom sides
// thicker than left and top give a drop shadow in the shadow brush.
void DrawFrameBandsClipped(CDC* dc, const RECT& inner, CBrush* frame, CBrush* shadow, CBrush* corner,
                           int left, int top, int right, int bottom, const RECT* clip);
void DrawFrameBands(CDC* dc, const RECT& inner, CBrush* frame, CBrush* shadow, CBrush* corner,
                    int left, int top, int right, int bottom);
void DrawFrameInsideEx(CDC* dc, const RECT& outer, CBrush* frame, CBrush* shadow, CBrush* corner,
                       int left, int top, int right, int bottom);
void DrawFrameInside(CDC* dc, const RECT& rect, CBrush* brush, int horizontal, int vertical);

// Paints the window's small icon at its top-left corner (inside WM_PAINT).
void DrawWindowSmallIcon(CWnd* wnd);

