#include "afx/dialogs/FileDialog.h"
#include "afx/core/CallbackBarrier.h"
#include "afx/app/WinApp.h"

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd)
    : CDialog((UINT)0, pParentWnd), m_bOpenFileDialog(bOpenFileDialog)
{
    memset(&m_ofn, 0, sizeof(m_ofn));
    m_szFileTitle[0] = '\0';
    m_szFileName[0] = '\0';
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = MAX_PATH;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof(m_szFileTitle);
    m_ofn.Flags = dwFlags | OFN_ENABLEHOOK | OFN_EXPLORER;
    m_ofn.hInstance = AfxGetResourceHandle();
    m_ofn.lpfnHook = HookProc;
    if (lpszDefExt != NULL)
    {
        m_strDefExt = lpszDefExt;
        m_ofn.lpstrDefExt = m_strDefExt;
    }
    if (lpszFileName != NULL)
        lstrcpynA(m_szFileName, lpszFileName, MAX_PATH);
    if (lpszFilter != NULL)
    {
        m_strFilter = lpszFilter;
        for (int i = 0; i < m_strFilter.GetLength(); ++i)
            if (m_strFilter[i] == '|')
                m_strFilter.SetAt(i, '\0');
        m_ofn.lpstrFilter = m_strFilter;
    }
}

CString CFileDialog::GetFileExt() const
{
    if (m_ofn.lpstrFile == NULL || m_ofn.nFileExtension == 0)
        return CString();
    return CString(m_ofn.lpstrFile + m_ofn.nFileExtension);
}

INT_PTR CFileDialog::DoModal()
{
    m_ofn.lCustData = (LPARAM)this;
    m_ofn.hwndOwner = CWnd::GetSafeOwner_(m_pParentWnd != NULL ? m_pParentWnd->GetSafeHwnd() : NULL, NULL);
    m_ofn.Flags |= OFN_ENABLEHOOK | OFN_EXPLORER;
    m_ofn.lpfnHook = HookProc;
    BOOL chosen = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    // The system has destroyed its dialog; a binding left over is dropped.
    if (m_hWnd != NULL)
        Detach();
    return chosen ? IDOK : IDCANCEL;
}

UINT_PTR CALLBACK CFileDialog::HookProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return 0;
    return AfxCallbackBarrier<UINT_PTR>(0, hWnd, message, [&]() -> UINT_PTR {
        CFileDialog* pDlg = (CFileDialog*)((OPENFILENAMEA*)lParam)->lCustData;
        if (pDlg == NULL || !pDlg->SubclassWindow(hWnd))
            return TRUE;
        pDlg->OnInitDialog();
        // The system dialog sets its own focus.
        return TRUE;
    });
}
