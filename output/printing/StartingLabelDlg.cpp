#include "output/printing/StartingLabelDlg.h"

#include "foundation/terminology/TokenExpander.h"
#include "output/printing/StartingLabelIds.h"

namespace
{
void FormatLabel(CWnd* dialog, int id, LPCTSTR format, int count)
{
    CString expanded, text;
    ExpandTokens(format, expanded);
    text.Format(expanded, count);
    dialog->SetDlgItemText(id, text);
}

// Shows 'value' (from 0) from 1 within 1..count, and keeps it from 0.
void ExchangePosition(CDataExchange* pDX, int id, int& value, int count)
{
    int shown = value + 1;
    if (shown > count)
        shown = count;
    if (shown < 1)
        shown = 1;
    DDX_Text(pDX, id, shown);
    DDV_MinMaxInt(pDX, shown, 1, count);
    if (pDX->m_bSaveAndValidate)
        value = shown - 1;
}
} // namespace

CStartingLabelDlg::CStartingLabelDlg(CWnd* parent, int rows, int columns)
    : CMyDialog(IDD_STARTING_LABEL, parent), m_row(0), m_column(0), m_rows(rows), m_columns(columns)
{
}

BOOL CStartingLabelDlg::OnInitDialog()
{
    CMyDialog::OnInitDialog();
    FormatLabel(this, IDC_STARTING_ROW_LABEL, "Starting &row (1..%d):", m_rows);
    FormatLabel(this, IDC_STARTING_COLUMN_LABEL, "Starting &column (1..%d):", m_columns);
    CWnd* row = GetDlgItem(IDC_STARTING_ROW);
    if (row != NULL)
    {
        GotoDlgCtrl(row);
        return FALSE;
    }
    return TRUE;
}

void CStartingLabelDlg::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    ExchangePosition(pDX, IDC_STARTING_ROW, m_row, m_rows);
    ExchangePosition(pDX, IDC_STARTING_COLUMN, m_column, m_columns);
}
