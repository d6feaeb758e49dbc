// CDialog: a dialog box from a template, modal (with the framework's own
// modal loop and idle updates) or modeless.
#pragma once

#include "afx/windows/Wnd.h"

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)

public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    virtual ~CDialog();

    // Modeless creation.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL, void* lpDialogInit = NULL);
    // Modal use of a template held in memory.
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL, void* lpDialogInit = NULL);

    // Runs the dialog modally and returns the code EndDialog gave, or -1 when
    // it could not be created. A dialog ended during its initialisation is
    // never shown.
    virtual INT_PTR DoModal();
    virtual void EndDialog(int nResult);

    // Runs the initialisation data, expands the terminology tokens of the
    // controls' and the dialog's texts, loads the data into the controls and
    // shows the Help button only when help is enabled. Ends the dialog with
    // -1 when the data cannot be set up.
    virtual BOOL OnInitDialog();
    // Runs the template's list-box and combo-box strings (RT_DLGINIT).
    BOOL ExecuteDlgInit(LPCTSTR lpszResourceName);
    BOOL ExecuteDlgInit(LPVOID lpResource);

    void MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void NextDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
    void PrevDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
    void SetDefID(UINT nID) { ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0); }
    DWORD GetDefID() const { return (DWORD)::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0); }

    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Commands the dialog does not handle go on to its owner and then to the
    // application (command ids only).
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    UINT m_nIDHelp;                     // help context: the template id
    LPCTSTR m_lpszTemplateName;
    HGLOBAL m_hDialogTemplate;
    LPCDLGTEMPLATE m_lpDialogTemplate;
    void* m_lpDialogInit;
    CWnd* m_pParentWnd;
    HWND m_hWndTop;                     // the top-level window disabled while modal

protected:
    virtual void OnOK();
    virtual void OnCancel();
    virtual void PreInitDialog();

    // The default help: the application's help for the dialog's template.
    afx_msg LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);

    BOOL CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);
    // The template in memory, loaded from the resources when named.
    LPCDLGTEMPLATE LockTemplate() const;
    HWND PreModal();
    void PostModal();

    friend INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()
};

// The dialog procedure of every framework dialog and property page: it turns
// WM_INITDIALOG into OnInitDialog and lets the window procedure do the rest.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// TRUE when the main window or the application handles command ID_HELP.
BOOL AFXAPI AfxHelpEnabled();
