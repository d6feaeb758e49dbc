// CPropertyPage: one page of a property sheet, a dialog the common-controls
// library creates inside the sheet.
#pragma once

#include "afx/dialogs/Dialog.h"

class CPropertySheet;

class CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)

public:
    CPropertyPage();
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);
    virtual ~CPropertyPage();

    void Construct(UINT nIDTemplate, UINT nIDCaption = 0);
    void Construct(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);

    // The page record handed to the library; its lParam is this object.
    PROPSHEETPAGEA m_psp;

    void CancelToClose();
    void SetModified(BOOL bChanged = TRUE);

    // The sheet's notifications. The page keeps its data when it is left:
    // OnKillActive saves and validates it, and a failure keeps the page.
    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    virtual BOOL OnApply();
    virtual void OnReset();
    virtual void OnOK();
    virtual void OnCancel();
    virtual BOOL OnQueryCancel();
    virtual LRESULT OnWizardBack();
    virtual LRESULT OnWizardNext();
    virtual BOOL OnWizardFinish();

    // Keyboard navigation is the sheet's; the page takes nothing itself.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    CPropertySheet* GetParentSheet() const;

    CString m_strCaption;
    BOOL m_bFirstSetActive;

    DECLARE_MESSAGE_MAP()
};

// The page callback: binds the page object to the window about to be made.
UINT CALLBACK AfxPropPageCallback(HWND hWnd, UINT message, LPPROPSHEETPAGEA pPropPage);
