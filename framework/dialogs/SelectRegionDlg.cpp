#include "framework/dialogs/SelectRegionDlg.h"

#include "afx/dialogs/DataExchange.h"
#include "afx/dialogs/Ddx.h"

IMPLEMENT_DYNAMIC(CSelectRegionDlg, CMyDialog)

CSelectRegionDlg::CSelectRegionDlg(CWnd* parent) : CMyDialog(IDD_SELECT_REGION, parent)
{
}

void CSelectRegionDlg::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_SELECT_REGION_ONLY, m_choice);
}
