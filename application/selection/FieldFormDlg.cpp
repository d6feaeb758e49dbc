#include "application/selection/FieldFormDlg.h"
#include "framework/messages/PrivateMessages.h"

#include "application/selection/FieldFormCommand.h"
#include "application/selection/FieldFormIds.h"
#include "application/selection/FieldFormPage.h"
#include "application/selection/FieldFormSheet.h"

IMPLEMENT_DYNAMIC(CFieldFormDlg, CMyDialog)

BEGIN_MESSAGE_MAP(CFieldFormDlg, CMyDialog)
ON_WM_PAINT()
ON_MESSAGE(WM_FIELDS_CHANGED, OnFieldsChanged)
ON_COMMAND_RANGE(IDC_FIELD_COMMAND_FIRST, IDC_FIELD_COMMAND_LAST, OnFormCommand)
ON_UPDATE_COMMAND_UI_RANGE(IDC_FIELD_COMMAND_FIRST, IDC_FIELD_COMMAND_LAST, OnUpdateFormCommand)
END_MESSAGE_MAP()

CFieldFormDlg::CFieldFormDlg(CWnd* parent) : CMyDialog(IDD_FIELD_FORM, parent), m_pMeasuringSheet(NULL), m_bInitialised(FALSE)
{
    m_fieldList.m_pHost = this;
}

BOOL CFieldFormDlg::OnInitDialog()
{
    if (m_pMeasuringSheet != NULL)
    {
        for (int i = 0; i < m_pMeasuringSheet->GetPageCount(); i++)
        {
            CFieldList& list = m_pMeasuringSheet->GetFormPage(i)->m_fieldList;
            if (list.CreateControls())
            {
                list.Layout();
                list.DestroyControls();
            }
        }
        EndDialog(3);
        return FALSE;
    }
    m_fieldList.m_pHost = this;
    m_toolTip.m_parent = this;
    m_fieldList.m_pToolTip = &m_toolTip;
    if (!m_fieldList.CreateControls())
        return FALSE;
    CMyDialog::OnInitDialog();
    m_fieldList.Layout();
    CRect window, client;
    GetWindowRect(&window);
    GetClientRect(&client);
    MoveWindow(0, 0, m_fieldList.m_nFormWidth + window.Width() - client.Width(),
               m_fieldList.m_nFormHeight + window.Height() - client.Height(), FALSE);
    CenterWindow();
    Invalidate(TRUE);
    m_bInitialised = TRUE;
    return FALSE;
}

void CFieldFormDlg::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    if (m_pMeasuringSheet == NULL)
        m_fieldList.DoDataExchange(pDX);
}

void PaintFieldForm(HWND host, CFieldList& list)
{
    PAINTSTRUCT paint;
    ::BeginPaint(host, &paint);
    ::EndPaint(host, &paint);
    list.OnPaint();
}

BOOL MarkChangedField(CFieldList& list, CWnd* host, WPARAM wParam, LPARAM lParam)
{
    CField* field = list.FindChangedField(WM_COMMAND, wParam, lParam);
    if (field == NULL || field->m_bChanged)
        return field != NULL;
    field->m_bChanged = TRUE;
    field->OnCommand(LOWORD(wParam), HIWORD(wParam));
    host->PostMessage(WM_FIELDS_CHANGED, 0, 0);
    return TRUE;
}

BOOL CFieldFormDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    MarkChangedField(m_fieldList, this, wParam, lParam);
    return CMyDialog::OnCommand(wParam, lParam);
}

void CFieldFormDlg::OnPaint()
{
    PaintFieldForm(m_hWnd, m_fieldList);
}

LRESULT CFieldFormDlg::OnFieldsChanged(WPARAM, LPARAM)
{
    ReportChangedFields(m_fieldList, [this](int index) {
        OnFieldChanged(index);
    });
    return 0;
}

void CFieldFormDlg::OnFormCommand(UINT id)
{
    CFieldFormCommand(this, id).Run();
}

void CFieldFormDlg::OnUpdateFormCommand(CCmdUI* pCmdUI)
{
    CFieldFormCommand(this, pCmdUI->m_nID).UpdateCmdUI(pCmdUI);
}
