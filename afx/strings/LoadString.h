// String-resource loading and the module handles it reads from.
#pragma once

#include "afx/strings/String.h"

// The program's instance and the module its resources come from; the
// application start-up records both.
extern HINSTANCE afxCurrentInstanceHandle;
extern HINSTANCE afxCurrentResourceHandle;

HINSTANCE AFXAPI AfxGetInstanceHandle();
HINSTANCE AFXAPI AfxGetResourceHandle();

// Turns a text holding terminology tokens between tildes into its expansion.
typedef CString (AFXAPI* AFX_TOKEN_EXPANDER)(LPCTSTR lpszText);

// Installs the expander that string loading (and the framework's dialog and
// menu texts) apply to texts holding a '~'; null switches expansion off.
void AFXAPI AfxSetTokenExpander(AFX_TOKEN_EXPANDER pfnExpander);
AFX_TOKEN_EXPANDER AFXAPI AfxGetTokenExpander();

// Loads string resource nID into a buffer of nMaxBuf characters (terminating
// zero included) and expands its tokens, truncated to the buffer. Returns the
// number of characters in the buffer; 0 and an empty text when the resource
// module holds no such string.
int AFXAPI AfxLoadString(UINT nID, LPTSTR lpszBuf, UINT nMaxBuf);
