#include "afx/dialogs/PrintDialog.h"
#include "afx/windows/Wnd.h"

IMPLEMENT_DYNAMIC(CPrintDialog, CDialog)

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd) : CDialog((UINT)0, pParentWnd)
{
    memset(&m_pd, 0, sizeof(m_pd));
    m_pd.lStructSize = sizeof(m_pd);
    m_pd.Flags = dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : PD_RETURNDC);
    m_pd.nCopies = 1;
}

CPrintDialog::~CPrintDialog()
{
    Release();
}

void CPrintDialog::Release()
{
    if (m_pd.hDC != NULL)
        ::DeleteDC(m_pd.hDC);
    if (m_pd.hDevMode != NULL)
        ::GlobalFree(m_pd.hDevMode);
    if (m_pd.hDevNames != NULL)
        ::GlobalFree(m_pd.hDevNames);
    m_pd.hDC = NULL;
    m_pd.hDevMode = NULL;
    m_pd.hDevNames = NULL;
}

BOOL CPrintDialog::Run(DWORD extraFlags)
{
    // A device context of an earlier run belongs to the printer chosen then.
    if (m_pd.hDC != NULL)
    {
        ::DeleteDC(m_pd.hDC);
        m_pd.hDC = NULL;
    }
    DWORD flags = m_pd.Flags;
    m_pd.Flags |= extraFlags;
    m_pd.hwndOwner = CWnd::GetSafeOwner_(m_pParentWnd != NULL ? m_pParentWnd->GetSafeHwnd() : NULL, NULL);
    BOOL chosen = ::PrintDlgA(&m_pd);
    m_pd.Flags = (m_pd.Flags & ~extraFlags) | (flags & extraFlags);
    return chosen;
}

INT_PTR CPrintDialog::DoModal()
{
    return Run(0) ? IDOK : IDCANCEL;
}

BOOL CPrintDialog::GetDefaults()
{
    // The default printer replaces what an earlier run chose.
    Release();
    return Run(PD_RETURNDEFAULT);
}

HDC CPrintDialog::CreatePrinterDC()
{
    if (m_pd.hDC != NULL || m_pd.hDevNames == NULL)
        return m_pd.hDC;
    const DEVNAMES* names = (const DEVNAMES*)::GlobalLock(m_pd.hDevNames);
    const DEVMODEA* mode = m_pd.hDevMode != NULL ? (const DEVMODEA*)::GlobalLock(m_pd.hDevMode) : NULL;
    if (names != NULL)
        m_pd.hDC = ::CreateDCA((LPCSTR)names + names->wDriverOffset, (LPCSTR)names + names->wDeviceOffset,
                               (LPCSTR)names + names->wOutputOffset, mode);
    if (mode != NULL)
        ::GlobalUnlock(m_pd.hDevMode);
    ::GlobalUnlock(m_pd.hDevNames);
    return m_pd.hDC;
}

CString CPrintDialog::GetDeviceName() const
{
    CString name;
    if (m_pd.hDevNames == NULL)
        return name;
    const DEVNAMES* names = (const DEVNAMES*)::GlobalLock(m_pd.hDevNames);
    if (names != NULL)
    {
        name = (LPCSTR)names + names->wDeviceOffset;
        ::GlobalUnlock(m_pd.hDevNames);
    }
    return name;
}

int CPrintDialog::GetCopies() const
{
    if (m_pd.Flags & PD_USEDEVMODECOPIES)
    {
        const DEVMODEA* mode = m_pd.hDevMode != NULL ? (const DEVMODEA*)::GlobalLock(m_pd.hDevMode) : NULL;
        if (mode != NULL)
        {
            int copies = mode->dmCopies;
            ::GlobalUnlock(m_pd.hDevMode);
            return copies;
        }
    }
    return m_pd.nCopies;
}
