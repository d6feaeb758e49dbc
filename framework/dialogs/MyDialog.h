#pragma once
// The base of every dialog of the program: a title given before the window
// exists, a small icon, remembered placement, tooltips and context help,
// accelerators and F1, an opening message, controls that follow the size,
// minimum and maximum tracking sizes, fit-to-parent and a modeless mode.
#include "afx/app/AfxWin.h"
#include "foundation/windows/OwnedHandle.h"
#include "framework/dialogs/DialogRunner.h"
#include "framework/controls/MyToolTipCtrl.h"
#include "framework/dialogs/ToolTipText.h"
#include "framework/windows/ColouredControls.h"
#include "framework/windows/ControlLayout.h"
#include "framework/windows/DialogIcon.h"
#include "framework/windows/WndPictureTable.h"
#include "framework/windows/PaletteHook.h"
#include "framework/windows/WindowPosition.h"
#include "framework/windows/WndToDestroyList.h"
#include "framework/windows/WorkArea.h"

// Items that get the application's small button font.
const UINT IDC_SMALL_FONT_BUTTON1 = 39933;
const UINT IDC_SMALL_FONT_BUTTON2 = 39934;
const UINT IDC_SMALL_FONT_BUTTON3 = 39935;

class CMyDialog : public CDialog
{
    DECLARE_DYNAMIC(CMyDialog)

public:
    CMyDialog(UINT templateId, CWnd* parent);
    // A modeless dialog without template; the caller creates the window.
    CMyDialog();
    ~CMyDialog() override;

    CColouredControls m_colouredControls;
    CDialogRunner m_runner;
    CDialogIcon m_icon;
    CControlLayout m_layout;
    CWndPictureTable m_pictures;
    CWndToDestroyLink m_destroyLink;
    BOOL m_centreWhenNotPlaced = TRUE;
    CString m_title;
    BOOL m_finished = FALSE;
    BOOL m_cancelled = FALSE;
    BOOL m_modeless = FALSE;
    BOOL m_titleApplied = FALSE;
    CBrush m_backgroundBrush;
    CString m_placementKey;           // empty: placement not remembered
    int m_placementMode = 1;
    BOOL m_savePlacementOnDestroy = FALSE;
    CWindowPosition m_placement;
    CPaletteHook m_paletteHook;   // hooked when the window is created
    int m_initialWidth = 0, m_initialHeight = 0;
    DWORD m_exchangeContext = 0;
    UINT m_smallIconId = 0;
    MINMAXINFO m_minMaxInfo;
    BOOL m_useMinMaxInfo = FALSE;
    DWORD m_helpContextId = 0;
    BOOL m_noHelp = FALSE;
    CMyToolTipCtrl m_toolTip;
    BOOL m_fitToParent = FALSE;
    int m_fittedClientWidth = 0, m_fittedClientHeight = 0;

    virtual BOOL UpdateDataWith(BOOL save, DWORD exchangeContext);
    // Enables the controls through their command-UI handlers.
    virtual void UpdateControls();
    virtual BOOL ExchangePlacement(BOOL save);
    // The tip of a control; the base has none.
    virtual CString GetToolTipText(UINT controlId, CWnd* control) { return CString(); }

    void SetTitle(LPCTSTR format, ...);
    CString& GetTitle();
    void SetSmallIcon(UINT iconId);
    INT_PTR DoModal() override;
    // Dispatches the waiting messages of a modeless dialog.
    void PumpMessages();
    void EnforceMinSize();

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void FitToParent();

    afx_msg int OnCreate(LPCREATESTRUCT createStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* info);
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT ctlColor);
    afx_msg LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam);
    afx_msg void OnShowOpeningMessage();
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg BOOL OnHelpInfo(HELPINFO* info);
    afx_msg LRESULT OnSetDefId(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSysCommand(UINT id, LPARAM lParam);
    afx_msg LRESULT OnMenuChar(UINT character, UINT flags, CMenu* menu);

    DECLARE_MESSAGE_MAP()

private:
    void Construct();
    CToolTipTextBuffer m_toolTipText;
    COwnedIcon m_smallIcon;
};

// While the system's context-help mode runs from a dialog or sheet caption.
extern int ContextHelpDepth;
// Runs the default handling of a system command, counting context-help mode.
void RunSysCommandCountingHelp(CWnd* wnd, UINT id);
// Loads a 16 x 16 icon resource and puts it on the window's title bar in
// place of the held one, which it frees; FALSE, keeping the held one, when
// the icon did not load.
BOOL SetSmallTitleIcon(CWnd* wnd, UINT iconId, COwnedIcon& held);
