#pragma once
// The base of the program's tabbed dialogs and wizards: the dialog base's
// runner (accelerators, F1, opening message), a small icon, growth to the
// largest page or the parent, Ctrl+Tab and Alt+Shift+mnemonic page
// switching, pages it owns, and wizard sequences of pages.
#include "afx/app/AfxWin.h"
#include "foundation/containers/OwningObArray.h"
#include "foundation/windows/OwnedHandle.h"
#include "framework/dialogs/DialogRunner.h"
#include "framework/messages/PrivateMessages.h"
#include "framework/windows/WndToDestroyList.h"

#include <vector>

class CMyPropertyPage;

class CMyPropertySheet : public CPropertySheet
{
    DECLARE_DYNAMIC(CMyPropertySheet)

public:
    CMyPropertySheet(LPCTSTR caption, CWnd* parent = NULL, UINT firstPage = 0);
    ~CMyPropertySheet() override;

    struct CPageSequence
    {
        std::vector<CMyPropertyPage*> pages;
        int next = 0;
        BOOL restart = FALSE;
    };

    CDialogRunner m_runner;
    CWndToDestroyLink m_destroyLink;
    CString m_title;
    BOOL m_centreOnParent = TRUE;
    UINT m_smallIconId = 0;
    CMyPropertyPage* m_currentPage = NULL;
    std::vector<CPageSequence> m_sequences;
    COwningObArray m_ownPages;
    BOOL m_keepOwnPages = FALSE;
    BOOL m_fitToParent = FALSE;
    int m_fittedPageWidth = 0, m_fittedPageHeight = 0;
    BOOL m_sizeToPages = FALSE;
    int m_largestPageWidth = 0, m_largestPageHeight = 0;
    int m_pageLeft = 0, m_pageTop = 0;
    BOOL m_removeDialogFrame = FALSE;
    BOOL m_finishIsOk = TRUE;

    virtual void UpdateWizardButtons(CMyPropertyPage* page);
    // A page's template id, 0 for the sheet's own order, -1 to stay.
    virtual int GetNextPage(CMyPropertyPage* page);
    virtual int GetPreviousPage(CMyPropertyPage* page);

    INT_PTR DoModal() override;
    void AddPage(CPropertyPage* page);
    void SetSmallIcon(UINT iconId);
    BOOL IsWizard() const { return (m_psh.dwFlags & (PSH_WIZARD | PSH_WIZARD97)) != 0; }

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // Ctrl+Tab, and Alt+Shift with a tab's mnemonic; TRUE when used.
    BOOL TranslatePageKeys(const MSG* msg);
    void GrowToPages();

    afx_msg int OnCreate(LPCREATESTRUCT createStruct);
    afx_msg LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam);
    afx_msg void OnShowOpeningMessage();
    afx_msg LRESULT OnLayoutPage(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSysCommand(UINT id, LPARAM lParam);
    afx_msg LRESULT OnSetDefId(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    COwnedIcon m_smallIcon;
};
