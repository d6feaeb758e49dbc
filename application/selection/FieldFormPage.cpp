#include "application/selection/FieldFormPage.h"
#include "framework/messages/PrivateMessages.h"

#include "application/selection/FieldFormCommand.h"
#include "application/selection/FieldFormDlg.h"
#include "application/selection/FieldFormIds.h"

IMPLEMENT_DYNAMIC(CFieldFormPage, CMyPropertyPage)

BEGIN_MESSAGE_MAP(CFieldFormPage, CMyPropertyPage)
ON_WM_PAINT()
ON_MESSAGE(WM_FIELDS_CHANGED, OnFieldsChanged)
ON_COMMAND_RANGE(IDC_FIELD_COMMAND_FIRST, IDC_FIELD_COMMAND_LAST, OnFormCommand)
ON_UPDATE_COMMAND_UI_RANGE(IDC_FIELD_COMMAND_FIRST, IDC_FIELD_COMMAND_LAST, OnUpdateFormCommand)
END_MESSAGE_MAP()

CFieldFormPage::CFieldFormPage(UINT templateId) : CMyPropertyPage(templateId), m_bInitialised(FALSE)
{
    // The sheet has the OK and Cancel buttons.
    m_fieldList.m_pHost = this;
    m_fieldList.m_bHostButtons = TRUE;
}

BOOL CFieldFormPage::OnInitDialog()
{
    m_fieldList.m_pHost = this;
    m_toolTip.m_parent = this;
    m_fieldList.m_pToolTip = &m_toolTip;
    if (!m_fieldList.CreateControls())
        return FALSE;
    CMyPropertyPage::OnInitDialog();
    m_fieldList.Layout();
    m_bInitialised = TRUE;
    return FALSE;
}

void CFieldFormPage::DoDataExchange(CDataExchange* pDX)
{
    m_fieldList.DoDataExchange(pDX);
}

BOOL CFieldFormPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    MarkChangedField(m_fieldList, this, wParam, lParam);
    return CMyPropertyPage::OnCommand(wParam, lParam);
}

void CFieldFormPage::OnPaint()
{
    PaintFieldForm(m_hWnd, m_fieldList);
}

LRESULT CFieldFormPage::OnFieldsChanged(WPARAM, LPARAM)
{
    ReportChangedFields(m_fieldList, [this](int index) { OnFieldChanged(index); });
    return 0;
}

void CFieldFormPage::OnFormCommand(UINT id)
{
    CFieldFormCommand(this, id).Run();
}

void CFieldFormPage::OnUpdateFormCommand(CCmdUI* pCmdUI)
{
    CFieldFormCommand(this, pCmdUI->m_nID).UpdateCmdUI(pCmdUI);
}
