#pragma once
// A property page that holds a run-time form of typed fields: laid out when the
// page opens, each changed field reported once through OnFieldChanged.
#include "application/selection/FieldList.h"
#include "framework/dialogs/MyPropertyPage.h"

class CFieldFormPage : public CMyPropertyPage
{
    DECLARE_DYNAMIC(CFieldFormPage)
public:
    explicit CFieldFormPage(UINT templateId);

    // Called once for each field that the user changed.
    virtual void OnFieldChanged(int index) {}

    BOOL OnInitDialog() override;

    CFieldList m_fieldList;
    CString m_strTitle; // shown on the page's tab
    BOOL m_bInitialised;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    afx_msg void OnPaint();
    afx_msg LRESULT OnFieldsChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnFormCommand(UINT id);
    afx_msg void OnUpdateFormCommand(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};
