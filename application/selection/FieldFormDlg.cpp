#include "application/selection/FieldFormDlg.h"

#include "application/selection/FieldFormIds.h"

IMPLEMENT_DYNAMIC(CFieldFormDlg, CMyDialog)

BEGIN_MESSAGE_MAP(CFieldFormDlg, CMyDialog)
ON_WM_PAINT()
ON_MESSAGE(WM_FIELDS_CHANGED, OnFieldsChanged)
END_MESSAGE_MAP()

CFieldFormDlg::CFieldFormDlg(CWnd* parent) : CMyDialog(IDD_FIELD_FORM, parent), m_bInitialised(FALSE)
{
    m_fieldList.m_pHost = this;
}

BOOL CFieldFormDlg::OnInitDialog()
{
    m_fieldList.m_pHost = this;
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

CString CFieldFormDlg::GetToolTipText(UINT controlId, CWnd* control)
{
    return control != NULL ? m_fieldList.GetHelpText(control->m_hWnd) : CString();
}

void CFieldFormDlg::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    m_fieldList.DoDataExchange(pDX);
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
    PAINTSTRUCT paint;
    ::BeginPaint(m_hWnd, &paint);
    ::EndPaint(m_hWnd, &paint);
    m_fieldList.OnPaint();
}

LRESULT CFieldFormDlg::OnFieldsChanged(WPARAM, LPARAM)
{
    ReportChangedFields(m_fieldList, [this](int index) {
        OnFieldChanged(index);
    });
    return 0;
}
