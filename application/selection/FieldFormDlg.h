#pragma once
// A dialog that holds a run-time form of typed fields: it sizes itself to the
// laid-out form and reports each changed field once through OnFieldChanged.
#include "application/selection/FieldList.h"
#include "framework/dialogs/MyDialog.h"

class CFieldFormSheet;

class CFieldFormDlg : public CMyDialog
{
    DECLARE_DYNAMIC(CFieldFormDlg)
public:
    explicit CFieldFormDlg(CWnd* parent);

    // Called once for each field that the user changed.
    virtual void OnFieldChanged(int index) {}

    BOOL OnInitDialog() override;

    CFieldList m_fieldList;
    // Set while the dialog only measures the pages of this sheet: it lays each
    // page's form out in itself, and ends with 3 without showing.
    CFieldFormSheet* m_pMeasuringSheet;
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

// Validates the host and lets the list paint its separators.
void PaintFieldForm(HWND host, CFieldList& list);
// Marks the field that a command reports as changed, runs its own follow-up
// and posts the report to the host once; FALSE when no field changed.
BOOL MarkChangedField(CFieldList& list, CWnd* host, WPARAM wParam, LPARAM lParam);
// Reports every marked field once to the host's handler, in index order.
template <class Report>
void ReportChangedFields(CFieldList& list, Report report)
{
    for (int i = 0; i < list.GetFieldCount(); i++)
        if (list.GetField(i)->m_bChanged)
        {
            list.GetField(i)->m_bChanged = FALSE;
            report(i);
        }
}
