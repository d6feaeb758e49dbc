#include "application/preferences/GeneralPrefsPage.h"

#include "afx/dialogs/Ddx.h"
#include "application/preferences/PictureOptionsDlg.h"
#include "application/preferences/PreferencesIds.h"

IMPLEMENT_DYNAMIC(CGeneralPrefsPage, CPreferencesPage)

BEGIN_MESSAGE_MAP(CGeneralPrefsPage, CPreferencesPage)
ON_BN_CLICKED(IDC_PICTURE_OPTIONS, OnPictureOptions)
END_MESSAGE_MAP()

CGeneralPrefsPage::CGeneralPrefsPage() : CPreferencesPage(IDD_GENERAL_PREFS)
{
}

void CGeneralPrefsPage::DoDataExchange(CDataExchange* pDX)
{
    CPreferencesPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PICTURE_FOLDER, m_defaultPictureFolder);
}

void CGeneralPrefsPage::OnPictureOptions()
{
    CPictureOptionsDlg dialog(GetParent());
    dialog.m_useAlternatePictureRendering = m_useAlternatePictureRendering;
    dialog.m_backupCount = m_backupCount;
    if (dialog.DoModal() != IDOK)
        return;
    m_useAlternatePictureRendering = dialog.m_useAlternatePictureRendering;
    m_backupCount = dialog.m_backupCount;
}
