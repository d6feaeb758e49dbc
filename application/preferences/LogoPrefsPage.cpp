#include "application/preferences/LogoPrefsPage.h"

#include "afx/dialogs/Ddx.h"
#include "application/preferences/PreferencesIds.h"
#include "output/pictures/PictureLoadOptions.h"

#include <commdlg.h>

IMPLEMENT_DYNAMIC(CLogoPrefsPage, CPreferencesPage)

BEGIN_MESSAGE_MAP(CLogoPrefsPage, CPreferencesPage)
ON_BN_CLICKED(IDC_LOGO_USE_PICTURE, OnLogoKind)
ON_BN_CLICKED(IDC_LOGO_USE_TEXT, OnLogoKind)
ON_BN_CLICKED(IDC_LOGO_BROWSE, OnBrowse)
ON_EN_CHANGE(IDC_LOGO_PATH, OnPathChanged)
END_MESSAGE_MAP()

CLogoPrefsPage::CLogoPrefsPage() : CPreferencesPage(IDD_LOGO_PREFS)
{
}

void CLogoPrefsPage::DoDataExchange(CDataExchange* pDX)
{
    CPreferencesPage::DoDataExchange(pDX);
    DDX_MyButton(pDX, IDC_LOGO_BROWSE, m_browseButton);
    if (m_preview.m_hWnd == NULL)
        m_preview.CreateOverControl(this, IDC_LOGO_PREVIEW, "", 0, 0);
    // The radio buttons stand for the two flags; neither checked: no logo.
    int kind = m_logoIsPath ? 0 : (m_logoIsText ? 1 : -1);
    DDX_Radio(pDX, IDC_LOGO_USE_PICTURE, kind);
    DDX_Text(pDX, IDC_LOGO_PATH, m_logoPath);
    DDX_Text(pDX, IDC_LOGO_TEXT, m_logoText);
    if (pDX->m_bSaveAndValidate)
    {
        m_logoIsPath = kind == 0;
        m_logoIsText = kind == 1;
    }
}

void CLogoPrefsPage::EnableDependentControls()
{
    const BOOL usePicture = IsDlgButtonChecked(IDC_LOGO_USE_PICTURE);
    // The button enables the path edit and its label with itself.
    m_browseButton.EnableWithLabels(usePicture);
    m_preview.SetVisible(LoadPreview() && usePicture);
    GetDlgItem(IDC_LOGO_TEXT)->EnableWindow(IsDlgButtonChecked(IDC_LOGO_USE_TEXT));
}

BOOL CLogoPrefsPage::LoadPreview()
{
    CString path;
    GetDlgItemText(IDC_LOGO_PATH, path);
    // Only an existing file is loaded: a path being typed is no error.
    const DWORD attributes = ::GetFileAttributesA(path);
    if (path.IsEmpty() || attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0
        || !m_preview.LoadPicture(path, MakePictureLoadOptions(96, 96), TRUE))
    {
        m_preview.ClearPicture();
        return FALSE;
    }
    return TRUE;
}

void CLogoPrefsPage::OnLogoKind()
{
    if (!IsInitialising())
        EnableDependentControls();
}

void CLogoPrefsPage::OnPathChanged()
{
    if (IsInitialising() || !IsDlgButtonChecked(IDC_LOGO_USE_PICTURE))
        return;
    m_preview.SetVisible(LoadPreview());
}

void CLogoPrefsPage::OnBrowse()
{
    char path[MAX_PATH] = "";
    CString current;
    GetDlgItemText(IDC_LOGO_PATH, current);
    lstrcpynA(path, current, sizeof path);
    OPENFILENAMEA open = {};
    open.lStructSize = sizeof open;
    open.hwndOwner = GetSafeHwnd();
    open.lpstrFilter = "Pictures (*.vqf;*.bmp;*.jpg;*.jpeg;*.wmf;*.emf)\0*.vqf;*.bmp;*.jpg;*.jpeg;*.wmf;*.emf\0"
                       "All files (*.*)\0*.*\0";
    open.lpstrFile = path;
    open.nMaxFile = sizeof path;
    open.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    if (::GetOpenFileNameA(&open))
        SetDlgItemText(IDC_LOGO_PATH, path);
}
