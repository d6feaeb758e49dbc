#pragma once
// The system's open and save dialogs. The object is bound to the dialog's
// own (explorer-style) child dialog while it runs, so OnInitDialog and
// message maps work as for other dialogs; GetParent() is the system dialog.
#include "afx/dialogs/Dialog.h"

#include <commdlg.h>

class CFileDialog : public CDialog
{
    DECLARE_DYNAMIC(CFileDialog)

public:
    // lpszFilter: pairs of display text and patterns, each pair's parts
    // separated by '|', ending with "||" (or null for none).
    CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = NULL, LPCTSTR lpszFileName = NULL,
                DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = NULL,
                CWnd* pParentWnd = NULL);

    OPENFILENAMEA m_ofn;
    BOOL m_bOpenFileDialog;

    // IDOK when a file was chosen, IDCANCEL otherwise.
    INT_PTR DoModal() override;
    CString GetPathName() const { return m_ofn.lpstrFile != NULL ? CString(m_ofn.lpstrFile) : CString(); }
    CString GetFileName() const { return CString(m_szFileTitle); }
    CString GetFileExt() const;

protected:
    CString m_strFilter;       // the filter with its separators made zero characters
    CString m_strDefExt;
    char m_szFileTitle[64];
    char m_szFileName[MAX_PATH];

private:
    static UINT_PTR CALLBACK HookProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};
