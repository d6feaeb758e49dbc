#include "application/preferences/PictureOptionsDlg.h"

#include "afx/dialogs/Ddx.h"
#include "application/preferences/PreferencesIds.h"
#include "framework/controls/SpinRange.h"

CPictureOptionsDlg::CPictureOptionsDlg(CWnd* parent) : CMyDialog(IDD_PICTURE_OPTIONS, parent)
{
}

void CPictureOptionsDlg::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_ALTERNATE_RENDERING, m_useAlternatePictureRendering);
    // Templates without the backup count keep the value as it is.
    if (GetDlgItem(IDC_BACKUP_COUNT) != NULL)
    {
        DDX_SpinRange(pDX, IDC_BACKUP_COUNT, 1, 9);
        DDX_Text(pDX, IDC_BACKUP_COUNT, m_backupCount);
        DDV_MinMaxInt(pDX, m_backupCount, 1, 9);
    }
}
