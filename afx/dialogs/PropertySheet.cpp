#include "afx/dialogs/PropertySheet.h"
#include "afx/core/CallbackBarrier.h"
#include "afx/dialogs/PropertyPage.h"
#include "afx/controls/TabCtrl.h"
#include "afx/app/ThreadState.h"
#include "afx/app/WinApp.h"

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

// Gives a modeless sheet the window style its creator asked for; the sheet
// being made is the object waiting for its window.
int CALLBACK AfxPropSheetCallback(HWND, UINT message, LPARAM lParam)
{
    return AfxCallbackBarrier<int>(0, [&]() -> int {
        if (message == PSCB_PRECREATE && lParam != 0)
        {
            CPropertySheet* pSheet = DYNAMIC_DOWNCAST(CPropertySheet, AfxGetThreadState()->m_pWndInit);
            if (pSheet != NULL && pSheet->m_dwCreateStyle != (DWORD)-1)
            {
                LPDLGTEMPLATE pTemplate = (LPDLGTEMPLATE)lParam;
                // an extended template starts with 1, 0xFFFF
                if (((WORD*)pTemplate)[1] == 0xFFFF)
                {
                    ((DWORD*)pTemplate)[2] = pSheet->m_dwCreateExStyle;
                    ((DWORD*)pTemplate)[3] = pSheet->m_dwCreateStyle;
                }
                else
                {
                    pTemplate->style = pSheet->m_dwCreateStyle;
                    pTemplate->dwExtendedStyle = pSheet->m_dwCreateExStyle;
                }
            }
        }
        return 0;
    });
}

CPropertySheet::CPropertySheet()
    : m_pParentWnd(NULL), m_bModeless(FALSE), m_hWndTop(NULL), m_dwCreateStyle((DWORD)-1), m_dwCreateExStyle(0)
{
    memset(&m_psh, 0, sizeof(m_psh));
    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage) : CPropertySheet()
{
    CString strCaption;
    strCaption.LoadString(nIDCaption);
    Construct(strCaption, pParentWnd, iSelectPage);
}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage) : CPropertySheet()
{
    Construct(pszCaption, pParentWnd, iSelectPage);
}

CPropertySheet::~CPropertySheet()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

void CPropertySheet::Construct(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    m_strCaption = pszCaption != NULL ? pszCaption : "";
    m_pParentWnd = pParentWnd;
    m_psh.nStartPage = iSelectPage;
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    m_pages.push_back(pPage);
    if (m_hWnd != NULL)
    {
        HPROPSHEETPAGE hPage = ::CreatePropertySheetPageA(&pPage->m_psp);
        if (hPage != NULL)
            ::SendMessageA(m_hWnd, PSM_ADDPAGE, 0, (LPARAM)hPage);
    }
}

void CPropertySheet::RemovePage(CPropertyPage* pPage)
{
    int nPage = GetPageIndex(pPage);
    if (nPage >= 0)
        RemovePage(nPage);
}

void CPropertySheet::RemovePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return;
    if (m_hWnd != NULL)
        ::SendMessageA(m_hWnd, PSM_REMOVEPAGE, nPage, 0);
    m_pages.erase(m_pages.begin() + nPage);
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const
{
    for (int i = 0; i < GetPageCount(); ++i)
    {
        if (m_pages[i] == pPage)
            return i;
    }
    return -1;
}

CTabCtrl* CPropertySheet::GetTabControl() const
{
    return (CTabCtrl*)CWnd::FromHandle((HWND)::SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0));
}

int CPropertySheet::GetActiveIndex() const
{
    if (m_hWnd == NULL)
        return (int)m_psh.nStartPage;
    HWND hWndTab = (HWND)::SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0);
    return hWndTab != NULL ? (int)::SendMessageA(hWndTab, TCM_GETCURSEL, 0, 0) : -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    if (m_hWnd != NULL)
    {
        HWND hWndPage = (HWND)::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0);
        return DYNAMIC_DOWNCAST(CPropertyPage, CWnd::FromHandlePermanent(hWndPage));
    }
    int nPage = GetActiveIndex();
    return nPage >= 0 && nPage < GetPageCount() ? GetPage(nPage) : NULL;
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (m_hWnd == NULL)
    {
        m_psh.nStartPage = nPage;
        return TRUE;
    }
    return (BOOL)::SendMessageA(m_hWnd, PSM_SETCURSEL, nPage, 0);
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage)
{
    int nPage = GetPageIndex(pPage);
    return nPage >= 0 && SetActivePage(nPage);
}

void CPropertySheet::SetTitle(LPCTSTR lpszText, UINT nStyle)
{
    m_strCaption = lpszText;
    if (m_hWnd != NULL)
        ::SendMessageA(m_hWnd, PSM_SETTITLEA, nStyle, (LPARAM)lpszText);
    else
        m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (nStyle & PSH_PROPTITLE);
}

BOOL CPropertySheet::CreateSheet(HWND hWndParent, DWORD dwExtraFlags, DWORD dwStyle, DWORD dwExStyle)
{
    AfxInitCommonControls();
    std::vector<PROPSHEETPAGEA> pages;
    pages.reserve(m_pages.size());
    for (CPropertyPage* pPage : m_pages)
        pages.push_back(pPage->m_psp);

    PROPSHEETHEADERA psh = m_psh;
    psh.dwSize = sizeof(psh);
    psh.dwFlags |= PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | dwExtraFlags;
    psh.hwndParent = hWndParent;
    psh.hInstance = AfxGetResourceHandle();
    psh.pszCaption = m_strCaption;
    psh.nPages = (UINT)pages.size();
    psh.ppsp = pages.empty() ? NULL : pages.data();
    if (dwStyle != (DWORD)-1)
    {
        psh.dwFlags |= PSH_USECALLBACK;
        psh.pfnCallback = AfxPropSheetCallback;
    }
    m_dwCreateStyle = dwStyle;
    m_dwCreateExStyle = dwExStyle;

    AfxHookWindowCreate(this);
    INT_PTR nResult = ::PropertySheetA(&psh);
    AfxUnhookWindowCreate();
    m_dwCreateStyle = (DWORD)-1;
    if (nResult == 0 || nResult == -1)
    {
        if (m_hWnd != NULL)
            DestroyWindow();
        return FALSE;
    }
    return m_hWnd != NULL;
}

INT_PTR CPropertySheet::DoModal()
{
    m_bModeless = FALSE;
    HWND hWndOwner = CWnd::GetSafeOwner_(m_pParentWnd->GetSafeHwnd(), &m_hWndTop);
    BOOL bEnableOwner = DisableModalOwner(hWndOwner);

    m_nModalResult = IDCANCEL;
    m_nFlags |= WF_CONTINUEMODAL;
    INT_PTR nResult = -1;
    try
    {
        if (CreateSheet(hWndOwner, PSH_MODELESS, (DWORD)-1, 0))
        {
            if (ContinueModal())
                RunModalLoop(MLF_SHOWONIDLE);
            nResult = m_nModalResult;
        }
    }
    catch (CException* e)
    {
        AfxProcessWndProcException(e, m_hWnd, WM_NULL);
        e->Delete();
        nResult = -1;
    }
    EndModalRun(hWndOwner, bEnableOwner);
    if (m_hWndTop != NULL && ::IsWindow(m_hWndTop))
        ::EnableWindow(m_hWndTop, TRUE);
    m_hWndTop = NULL;
    return nResult;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle)
{
    m_bModeless = TRUE;
    if (pParentWnd != NULL)
        m_pParentWnd = pParentWnd;
    return CreateSheet(m_pParentWnd->GetSafeHwnd(), PSH_MODELESS, dwStyle, dwExStyle);
}

LRESULT CPropertySheet::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

BOOL CPropertySheet::OnInitDialog()
{
    // the library sets up the tabs and the first page
    return (BOOL)Default();
}

void CPropertySheet::EndDialog(int nEndID)
{
    EndModalLoop(nEndID);
    if (m_bModeless)
        DestroyWindow();
}

BOOL CPropertySheet::ContinueModal()
{
    if (!CWnd::ContinueModal())
        return FALSE;
    // OK and Cancel close the pages of a modeless sheet
    if (m_hWnd != NULL && ::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) == 0)
    {
        m_nFlags &= ~WF_CONTINUEMODAL;
        return FALSE;
    }
    return TRUE;
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if ((pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        && (pMsg->message < WM_MOUSEFIRST || pMsg->message > WM_MOUSELAST))
        return FALSE;
    return (BOOL)::SendMessageA(m_hWnd, PSM_ISDIALOGMESSAGE, 0, (LPARAM)pMsg);
}
