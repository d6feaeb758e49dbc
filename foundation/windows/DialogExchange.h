#pragma once

#include "afx/AfxWin.h"

// Dialog data exchange beyond the framework's own.
void DDX_TextLength(CDataExchange* pDX, int id, CString& value, int minimum, int maximum,
                    BOOL trimStart, BOOL trimEnd);
void DDX_TrimmedText(CDataExchange* pDX, int id, CString& value, int minimum, int maximum);
void DDX_CheckInverted(CDataExchange* pDX, int id, int& value);
void DDX_CheckFlag(CDataExchange* pDX, int id, DWORD& flags, DWORD mask);
void DDX_CheckFlagWord(CDataExchange* pDX, int id, WORD& flags, WORD mask);

CString GetTrimmedWindowText(CWnd* wnd);

// Modes: 0 enable, 1 disable, 2 hide, 3 show. The id list ends with 0.
void SetControlsState(CWnd* dialog, const UINT* ids, int mode);
// The control ids follow the flag, ending with 0.
void EnableControls(CWnd* dialog, BOOL enable, ...);

// MK_SHIFT (4) and MK_CONTROL (8) for the keys that are down.
int GetModifierKeyFlags();

// Moves the rectangle (keeping its size) inside the bounds; a rectangle larger
// than the bounds ends up at their left and top edges.
CRect MoveRectInside(const RECT& rect, const RECT& bounds);
