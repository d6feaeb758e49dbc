#pragma once
// A child window that holds several pages (child windows with titles) and
// shows one of them at a time in its page area. Commands go to the shown
// page's window first, then to the bar.
#include "foundation/containers/OwningObArray.h"
#include "framework/controls/MyToolTipCtrl.h"
#include "framework/panes/PaneBarPage.h"
#include "framework/windows/PaletteHook.h"

class CPaneBar : public CWnd
{
    DECLARE_DYNAMIC(CPaneBar)

public:
    CPaneBar();
    ~CPaneBar() override;

    // Creates the bar (never with a border), its own parts and the layout,
    // then runs the after-creation step with the parameter.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id, LPVOID param = NULL);

    int m_currentPage = -1;
    COwningObArray m_pages; // of CPaneBarPage
    BOOL m_layoutSuspended = FALSE;
    CPaletteHook m_paletteHook;
    CMyToolTipCtrl m_toolTip;
    BOOL m_autoDelete = TRUE;

    // The page area: the client rectangle in the base.
    virtual void GetPageArea(CRect& rect);
    // Creates the bar's own windows; FALSE fails the creation.
    virtual BOOL CreateParts();
    // Places the current page's window in the page area.
    virtual void RecalcLayout();
    virtual void OnAfterCreate(LPVOID param);
    // Whether the shown page may change from old to new.
    virtual BOOL CanChangePage(int oldIndex, int newIndex);
    // The base makes the page's window the palette hook's partner.
    virtual void OnPageChanged(int index);

    // Adds a page for the window (hidden and disabled until it is selected);
    // its index.
    int AddPage(CWnd* window, LPCTSTR title, LPCTSTR tipText = NULL);
    void RemoveAllPages();
    int GetPageCount() const { return (int)m_pages.GetSize(); }
    CPaneBarPage* GetPage(int index) const;
    CWnd* GetPageWindow(int index) const;
    CWnd* GetCurrentPageWindow() const { return GetPageWindow(m_currentPage); }
    // Shows the page; FALSE when there is none at the index or the change is
    // refused.
    BOOL SelectPage(int index);

    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void PostNcDestroy() override;
    afx_msg int OnCreate(LPCREATESTRUCT createStruct);
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    // Called by AddPage after the page record is added.
    virtual void OnPageAdded(int index);
    // The font of the bar's own parts: the bar's font, else the
    // application's dialog font, else the GUI font.
    HFONT GetBarFont();
};
