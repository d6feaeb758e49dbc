#pragma once
// Asks for the label of the first sheet on which printing starts: a row and
// a column, shown from 1 and kept from 0.
#include "framework/dialogs/MyDialog.h"

class CStartingLabelDlg : public CMyDialog
{
public:
    CStartingLabelDlg(CWnd* parent, int rows, int columns);

    BOOL OnInitDialog() override;

    int m_row;      // from 0
    int m_column;   // from 0
    int m_rows;
    int m_columns;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
