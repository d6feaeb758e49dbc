#include "afx/dialogs/PropertyPage.h"
#include "afx/core/CallbackBarrier.h"
#include "afx/dialogs/PropertySheet.h"
#include "afx/app/ThreadState.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

BEGIN_MESSAGE_MAP(CPropertyPage, CDialog)
END_MESSAGE_MAP()

namespace
{
// Binds the page late when the window was made without the hook seeing it,
// then lets the common dialog procedure run.
INT_PTR CALLBACK PropPageDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return AfxCallbackBarrier<INT_PTR>(FALSE, hWnd, message, [&]() -> INT_PTR {
        if (message == WM_INITDIALOG && lParam != 0)
        {
            CPropertyPage* pPage = (CPropertyPage*)((LPPROPSHEETPAGEA)lParam)->lParam;
            AFX_THREAD_STATE* pState = AfxGetThreadState();
            if (pState->m_pWndInit == pPage)
                pState->m_pWndInit = NULL;
            if (pPage != NULL && pPage->m_hWnd == NULL && CWnd::FromHandlePermanent(hWnd) == NULL)
                pPage->SubclassWindow(hWnd);
        }
        return AfxDlgProc(hWnd, message, wParam, lParam);
    });
}
} // namespace

UINT CALLBACK AfxPropPageCallback(HWND, UINT message, LPPROPSHEETPAGEA pPropPage)
{
    // A page that cannot be prepared is not made (0 for PSPCB_CREATE).
    return AfxCallbackBarrier<UINT>(0, [&]() -> UINT {
        if (message == PSPCB_CREATE)
        {
            CPropertyPage* pPage = (CPropertyPage*)pPropPage->lParam;
            if (pPage != NULL && pPage->m_hWnd == NULL)
                AfxHookWindowCreate(pPage);
            return TRUE;
        }
        return 0;
    });
}

CPropertyPage::CPropertyPage() : m_bFirstSetActive(TRUE)
{
    memset(&m_psp, 0, sizeof(m_psp));
    m_psp.dwSize = sizeof(m_psp);
    m_psp.dwFlags = PSP_USECALLBACK;
    m_psp.pfnDlgProc = PropPageDlgProc;
    m_psp.lParam = (LPARAM)this;
    m_psp.pfnCallback = AfxPropPageCallback;
}

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CPropertyPage()
{
    Construct(nIDTemplate, nIDCaption);
}

CPropertyPage::CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption) : CPropertyPage()
{
    Construct(lpszTemplateName, nIDCaption);
}

CPropertyPage::~CPropertyPage()
{
}

void CPropertyPage::Construct(UINT nIDTemplate, UINT nIDCaption)
{
    m_nIDHelp = nIDTemplate;
    Construct(MAKEINTRESOURCEA(nIDTemplate), nIDCaption);
}

void CPropertyPage::Construct(LPCTSTR lpszTemplateName, UINT nIDCaption)
{
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = LOWORD((UINT_PTR)lpszTemplateName);
    m_psp.hInstance = AfxGetResourceHandle();
    m_psp.pszTemplate = lpszTemplateName;
    if (nIDCaption != 0 && m_strCaption.LoadString(nIDCaption))
    {
        m_psp.pszTitle = m_strCaption;
        m_psp.dwFlags |= PSP_USETITLE;
    }
}

CPropertySheet* CPropertyPage::GetParentSheet() const
{
    return DYNAMIC_DOWNCAST(CPropertySheet, CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
}

void CPropertyPage::CancelToClose()
{
    ::SendMessageA(::GetParent(m_hWnd), PSM_CANCELTOCLOSE, 0, 0);
}

void CPropertyPage::SetModified(BOOL bChanged)
{
    ::SendMessageA(::GetParent(m_hWnd), bChanged ? PSM_CHANGED : PSM_UNCHANGED, (WPARAM)m_hWnd, 0);
}

BOOL CPropertyPage::OnSetActive()
{
    // the first activation follows OnInitDialog, which loaded the data
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset()
{
    OnCancel();
}

void CPropertyPage::OnOK()
{
}

void CPropertyPage::OnCancel()
{
}

BOOL CPropertyPage::OnQueryCancel()
{
    return TRUE;
}

LRESULT CPropertyPage::OnWizardBack()
{
    return 0;
}

LRESULT CPropertyPage::OnWizardNext()
{
    return 0;
}

BOOL CPropertyPage::OnWizardFinish()
{
    return TRUE;
}

BOOL CPropertyPage::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (CDialog::OnNotify(wParam, lParam, pResult))
        return TRUE;

    NMHDR* pNMHDR = (NMHDR*)lParam;
    if (pNMHDR->hwndFrom != m_hWnd && pNMHDR->hwndFrom != ::GetParent(m_hWnd))
        return FALSE;
    CPropertySheet* pSheet = GetParentSheet();
    LRESULT lResult = 0;
    switch (pNMHDR->code)
    {
    case PSN_SETACTIVE:
        lResult = OnSetActive() ? 0 : -1;
        break;
    case PSN_KILLACTIVE:
        lResult = !OnKillActive();
        break;
    case PSN_APPLY:
        if (OnApply())
        {
            lResult = PSNRET_NOERROR;
            if (pSheet != NULL)
                pSheet->m_nModalResult = IDOK;
        }
        else
        {
            lResult = PSNRET_INVALID_NOCHANGEPAGE;
        }
        break;
    case PSN_RESET:
        OnReset();
        if (pSheet != NULL)
            pSheet->m_nModalResult = IDCANCEL;
        break;
    case PSN_QUERYCANCEL:
        lResult = !OnQueryCancel();
        break;
    case PSN_WIZNEXT:
        lResult = OnWizardNext();
        break;
    case PSN_WIZBACK:
        lResult = OnWizardBack();
        break;
    case PSN_WIZFINISH:
        lResult = !OnWizardFinish();
        if (lResult == 0 && pSheet != NULL)
            pSheet->m_nModalResult = ID_WIZFINISH;
        break;
    case PSN_HELP:
        ::SendMessageA(m_hWnd, WM_COMMAND, ID_HELP, 0);
        break;
    default:
        return FALSE;
    }
    *pResult = lResult;
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, lResult);
    return TRUE;
}
