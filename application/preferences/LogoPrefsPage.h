#pragma once
// The default logo: a picture file or a plain text, each side enabled by its
// radio button; the picture side shows a preview.
#include "application/preferences/PreferencesPage.h"
#include "framework/controls/MyButton.h"
#include "output/pictures/PictureCtrl.h"

class CLogoPrefsPage : public CPreferencesPage
{
    DECLARE_DYNAMIC(CLogoPrefsPage)

public:
    CLogoPrefsPage();

    CString m_logoPath;
    CString m_logoText;
    int m_logoIsPath = 0;
    int m_logoIsText = 0;

    CMyButton m_browseButton;
    CPictureCtrl m_preview;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void EnableDependentControls() override;
    // Loads the preview from the path in the edit; FALSE when there is no
    // picture to show.
    BOOL LoadPreview();

    afx_msg void OnLogoKind();
    afx_msg void OnBrowse();
    afx_msg void OnPathChanged();
    DECLARE_MESSAGE_MAP()
};
