// CPropertySheet: a tabbed dialog of property pages. Run modally, it is
// created modeless and driven by the framework's modal loop, so that idle
// updates and pre-translation reach it like any dialog.
#pragma once

#include "afx/windows/Wnd.h"
#include <vector>

class CPropertyPage;
class CTabCtrl;

class CPropertySheet : public CWnd
{
    DECLARE_DYNAMIC(CPropertySheet)

public:
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    virtual ~CPropertySheet();

    void Construct(LPCTSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);

    // Flags and start page; PSH_NOAPPLYNOW is always added.
    PROPSHEETHEADERA m_psh;

    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const { return (int)m_pages.size(); }
    CPropertyPage* GetPage(int nPage) const { return m_pages[nPage]; }
    int GetPageIndex(CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);
    CTabCtrl* GetTabControl() const;
    void SetTitle(LPCTSTR lpszText, UINT nStyle = 0);

    // Wizard mode.
    void SetWizardMode() { m_psh.dwFlags |= PSH_WIZARD; }
    void SetWizardButtons(DWORD dwFlags) { ::PostMessageA(m_hWnd, PSM_SETWIZBUTTONS, 0, (LPARAM)dwFlags); }
    void SetFinishText(LPCTSTR lpszText) { ::SendMessageA(m_hWnd, PSM_SETFINISHTEXTA, 0, (LPARAM)lpszText); }
    void PressButton(int nButton) { ::PostMessageA(m_hWnd, PSM_PRESSBUTTON, nButton, 0); }

    // IDOK when the pages applied, IDCANCEL otherwise (ID_WIZFINISH for a
    // finished wizard); -1 when the sheet could not be made.
    virtual INT_PTR DoModal();
    // A modeless sheet.
    BOOL Create(CWnd* pParentWnd = NULL, DWORD dwStyle = (DWORD)-1, DWORD dwExStyle = 0);
    virtual BOOL OnInitDialog();
    virtual void EndDialog(int nEndID);

    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // The loop ends when the sheet closed its pages after OK or Cancel.
    virtual BOOL ContinueModal();

protected:
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    BOOL CreateSheet(HWND hWndParent, DWORD dwExtraFlags, DWORD dwStyle, DWORD dwExStyle);

    std::vector<CPropertyPage*> m_pages;
    CString m_strCaption;
    CWnd* m_pParentWnd;
    BOOL m_bModeless;
    HWND m_hWndTop;
    DWORD m_dwCreateStyle;
    DWORD m_dwCreateExStyle;

    friend class CPropertyPage;
    friend int CALLBACK AfxPropSheetCallback(HWND, UINT, LPARAM);

    DECLARE_MESSAGE_MAP()
};
