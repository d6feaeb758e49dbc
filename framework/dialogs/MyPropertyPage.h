#pragma once
// The base of the program's property pages: the dialog base's services
// (tooltips, help context, controls that follow the size, coloured controls, a
// picture background) plus wizard flags and a page of another sheet that is
// activated together with this one.
#include "afx/app/AfxWin.h"
#include "framework/controls/MyToolTipCtrl.h"
#include "framework/dialogs/ToolTipText.h"
#include "framework/windows/ColouredControls.h"
#include "framework/windows/ControlLayout.h"
#include "framework/windows/DialogIcon.h"
#include "framework/windows/WndPictureTable.h"

class CMyPropertySheet;

class CMyPropertyPage : public CPropertyPage
{
    DECLARE_DYNAMIC(CMyPropertyPage)

public:
    explicit CMyPropertyPage(UINT templateId, UINT captionId = 0);
    ~CMyPropertyPage() override;

    CColouredControls m_colouredControls;
    CDialogIcon m_icon;
    CControlLayout m_layout;
    CWndPictureTable m_pictures;
    BOOL m_hasBack = TRUE;
    BOOL m_hasNext = TRUE;
    CMyPropertySheet* m_ownerSheet = NULL;
    CMyPropertyPage* m_linkedPage = NULL;
    BOOL m_inSetActive = FALSE;
    BOOL m_inKillActive = FALSE;
    DWORD m_helpContextId = 0;
    BOOL m_noHelp = FALSE;
    BOOL m_alwaysNext = FALSE;
    BOOL m_validated = FALSE;
    CMyToolTipCtrl m_toolTip;

    virtual void UpdateControls();
    virtual BOOL CanGoBack();
    virtual BOOL CanGoNext();
    virtual CString GetToolTipText(UINT controlId, CWnd* control) { return CString(); }

    // Saves and validates the page's data before a wizard move.
    BOOL ValidateForMove();

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    BOOL OnApply() override;
    BOOL OnWizardFinish() override;
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT ctlColor);
    afx_msg LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam);
    afx_msg void OnClose();
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg BOOL OnHelpInfo(HELPINFO* info);
    afx_msg LRESULT OnSetDefId(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMenuChar(UINT character, UINT flags, CMenu* menu);

    DECLARE_MESSAGE_MAP()

private:
    CToolTipTextBuffer m_toolTipText;
};

// Escape in a multi-line edit of a page cancels the page's sheet (the edit
// would otherwise keep the key) unless the page's Cancel item is disabled.
BOOL TranslateEscapeInMultiLineEdit(CWnd* page, const MSG* msg);
