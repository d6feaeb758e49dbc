#include "afx/dialogs/Dialog.h"
#include "afx/core/CallbackBarrier.h"
#include "afx/strings/LoadString.h"
#include "afx/app/ThreadState.h"
#include "afx/app/WinApp.h"

#ifndef RT_DLGINIT
#define RT_DLGINIT MAKEINTRESOURCEA(240)
#endif

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
    ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
END_MESSAGE_MAP()

CDialog::CDialog()
    : m_nIDHelp(0), m_lpszTemplateName(NULL), m_hDialogTemplate(NULL), m_lpDialogTemplate(NULL),
      m_lpDialogInit(NULL), m_pParentWnd(NULL), m_hWndTop(NULL)
{
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog()
{
    m_lpszTemplateName = MAKEINTRESOURCEA(nIDTemplate);
    m_nIDHelp = nIDTemplate;
    m_pParentWnd = pParentWnd;
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd) : CDialog()
{
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = LOWORD((UINT_PTR)lpszTemplateName);
    m_pParentWnd = pParentWnd;
}

CDialog::~CDialog()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

LPCDLGTEMPLATE CDialog::LockTemplate() const
{
    // resources of a module need no unlocking or freeing
    if (m_lpszTemplateName != NULL)
    {
        HINSTANCE hInst = AfxGetResourceHandle();
        HRSRC hRsrc = ::FindResourceA(hInst, m_lpszTemplateName, (LPCSTR)RT_DIALOG);
        if (hRsrc == NULL)
            return NULL;
        HGLOBAL hResource = ::LoadResource(hInst, hRsrc);
        return hResource != NULL ? (LPCDLGTEMPLATE)::LockResource(hResource) : NULL;
    }
    if (m_hDialogTemplate != NULL)
        return (LPCDLGTEMPLATE)::LockResource(m_hDialogTemplate);
    return m_lpDialogTemplate;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDHelp = nIDTemplate;
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
        m_nIDHelp = LOWORD((UINT_PTR)lpszTemplateName);
    m_pParentWnd = pParentWnd;
    LPCDLGTEMPLATE lpTemplate = LockTemplate();
    if (lpTemplate == NULL)
        return FALSE;
    return CreateDlgIndirect(lpTemplate, pParentWnd, AfxGetResourceHandle());
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    m_lpDialogInit = lpDialogInit;
    m_pParentWnd = pParentWnd;
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd, AfxGetResourceHandle());
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    m_lpszTemplateName = NULL;
    m_hDialogTemplate = NULL;
    m_lpDialogTemplate = lpDialogTemplate;
    m_lpDialogInit = lpDialogInit;
    m_pParentWnd = pParentWnd;
    return lpDialogTemplate != NULL;
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpDialogTemplate, pParentWnd->GetSafeHwnd(), AfxDlgProc, 0);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    return hWnd != NULL;
}

HWND CDialog::PreModal()
{
    HWND hWnd = CWnd::GetSafeOwner_(m_pParentWnd->GetSafeHwnd(), &m_hWndTop);
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        pApp->EnableModeless(FALSE);
    return hWnd;
}

void CDialog::PostModal()
{
    if (::IsWindow(m_hWndTop))
        ::EnableWindow(m_hWndTop, TRUE);
    m_hWndTop = NULL;
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        pApp->EnableModeless(TRUE);
}

INT_PTR CDialog::DoModal()
{
    LPCDLGTEMPLATE lpTemplate = LockTemplate();
    if (lpTemplate == NULL)
        return -1;

    HWND hWndOwner = PreModal();
    BOOL bEnableOwner = DisableModalOwner(hWndOwner);

    // The continue flag is set before WM_INITDIALOG, so that EndDialog there
    // ends the dialog before its loop starts.
    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    try
    {
        if (CreateDlgIndirect(lpTemplate, CWnd::FromHandle(hWndOwner), AfxGetResourceHandle())
            && (m_nFlags & WF_CONTINUEMODAL))
        {
            DWORD dwFlags = MLF_SHOWONIDLE;
            if (GetStyle() & DS_NOIDLEMSG)
                dwFlags |= MLF_NOIDLEMSG;
            RunModalLoop(dwFlags);
        }
    }
    catch (CException* e)
    {
        AfxProcessWndProcException(e, m_hWnd, WM_NULL);
        e->Delete();
        m_nModalResult = -1;
    }
    int nResult = m_nModalResult;
    EndModalRun(hWndOwner, bEnableOwner);
    PostModal();
    return nResult;
}

void CDialog::EndDialog(int nResult)
{
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    ::EndDialog(m_hWnd, nResult);
}

void CDialog::PreInitDialog()
{
}

namespace
{
// Replaces a window's text by its expansion when it holds a token.
void ExpandWindowText(HWND hWnd, AFX_TOKEN_EXPANDER pfnExpand)
{
    int nLen = ::GetWindowTextLengthA(hWnd);
    if (nLen <= 0)
        return;
    CString strText;
    ::GetWindowTextA(hWnd, strText.GetBufferSetLength(nLen), nLen + 1);
    strText.ReleaseBuffer();
    if (strText.Find('~') >= 0)
        ::SetWindowTextA(hWnd, pfnExpand(strText));
}
} // namespace

BOOL CDialog::OnInitDialog()
{
    BOOL bDlgInit = m_lpDialogInit != NULL ? ExecuteDlgInit(m_lpDialogInit) : ExecuteDlgInit(m_lpszTemplateName);
    if (!bDlgInit)
    {
        EndDialog(-1);
        return FALSE;
    }

    // The templates are written with terminology tokens: the direct children
    // in window order, then the dialog's own caption.
    AFX_TOKEN_EXPANDER pfnExpand = AfxGetTokenExpander();
    if (pfnExpand != NULL)
    {
        for (HWND hWndChild = ::GetWindow(m_hWnd, GW_CHILD); hWndChild != NULL;
             hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
            ExpandWindowText(hWndChild, pfnExpand);
        ExpandWindowText(m_hWnd, pfnExpand);
    }

    if (!UpdateData(FALSE))
    {
        EndDialog(-1);
        return FALSE;
    }

    HWND hWndHelp = ::GetDlgItem(m_hWnd, ID_HELP);
    if (hWndHelp != NULL)
        ::ShowWindow(hWndHelp, AfxHelpEnabled() ? SW_SHOW : SW_HIDE);
    return TRUE;
}

BOOL CDialog::ExecuteDlgInit(LPCTSTR lpszResourceName)
{
    if (lpszResourceName == NULL)
        return TRUE;
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hDlgInit = ::FindResourceA(hInst, lpszResourceName, RT_DLGINIT);
    if (hDlgInit == NULL)
        return TRUE; // no initialisation data
    HGLOBAL hResource = ::LoadResource(hInst, hDlgInit);
    if (hResource == NULL)
        return FALSE;
    return ExecuteDlgInit(::LockResource(hResource));
}

BOOL CDialog::ExecuteDlgInit(LPVOID lpResource)
{
    if (lpResource == NULL)
        return TRUE;
    // Records of {control id, message, data length, data}, ended by id 0.
    // Only the list-box and combo-box strings are of use here; the resource
    // compiler writes their messages with their old 16-bit numbers.
    const BYTE* p = (const BYTE*)lpResource;
    for (;;)
    {
        WORD nIDC, nMsg;
        DWORD dwLen;
        memcpy(&nIDC, p, sizeof(WORD));
        if (nIDC == 0)
            break;
        memcpy(&nMsg, p + 2, sizeof(WORD));
        memcpy(&dwLen, p + 4, sizeof(DWORD));
        p += 8;
        UINT nMessage = nMsg == 0x0401 ? LB_ADDSTRING : nMsg == 0x0403 ? CB_ADDSTRING : nMsg;
        if (nMessage == LB_ADDSTRING || nMessage == CB_ADDSTRING)
        {
            LRESULT lResult = ::SendDlgItemMessageA(m_hWnd, nIDC, nMessage, 0, (LPARAM)p);
            if (lResult == LB_ERR || lResult == LB_ERRSPACE)
                return FALSE;
        }
        p += dwLen;
    }
    return TRUE;
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, (WPARAM)pWndCtrl->GetSafeHwnd(), 1L);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    return PreTranslateInput(pMsg);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (((UINT)nCode != CN_COMMAND && (UINT)nCode != CN_UPDATE_COMMAND_UI) || !IS_COMMAND_ID(nID))
        return FALSE;

    // the owner, then the application
    HWND hWndOwner = ::GetParent(m_hWnd);
    if (hWndOwner != NULL && CWnd::FromHandle(hWndOwner)->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinThread* pThread = AfxGetThread();
    return pThread != NULL && pThread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDialog::OnOK()
{
    // bad input keeps the dialog open
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

LRESULT CDialog::OnCommandHelp(WPARAM, LPARAM lParam)
{
    if (lParam == 0 && m_nIDHelp != 0)
        lParam = HID_BASE_RESOURCE + m_nIDHelp;
    if (lParam == 0)
        return FALSE;
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        pApp->WinHelp((DWORD_PTR)lParam, HELP_CONTEXT);
    return TRUE;
}

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    return AfxCallbackBarrier<INT_PTR>(FALSE, hWnd, WM_INITDIALOG, [&]() -> INT_PTR {
        CDialog* pDlg = DYNAMIC_DOWNCAST(CDialog, CWnd::FromHandlePermanent(hWnd));
        if (pDlg == NULL)
            return TRUE;
        pDlg->PreInitDialog();
        return pDlg->OnInitDialog();
    });
}

BOOL AFXAPI AfxHelpEnabled()
{
    AFX_CMDHANDLERINFO info;
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd != NULL && pMainWnd->OnCmdMsg(ID_HELP, CN_COMMAND, NULL, &info))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != NULL && pApp->OnCmdMsg(ID_HELP, CN_COMMAND, NULL, &info);
}
