#pragma once

#include "afx/app/AfxWin.h"

// Dialog data exchange beyond the framework's own.
void DDX_TextLength(CDataExchange* pDX, int id, CString& value, int minimum, int maximum,
                    BOOL trimStart, BOOL trimEnd);
void DDX_TrimmedText(CDataExchange* pDX, int id, CString& value, int minimum, int maximum);
void DDX_CheckInverted(CDataExchange* pDX, int id, int& value);
void DDX_CheckFlag(CDataExchange* pDX, int id, DWORD& flags, DWORD mask);
void DDX_CheckFlagWord(CDataExchange* pDX, int id, WORD& flags, WORD mask);

CString GetTrimmedWindowText(CWnd* wnd);
