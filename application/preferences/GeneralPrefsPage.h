#pragma once
// The general preferences: the default picture folder, and the picture
// rendering and backup count through the picture options dialog.
#include "application/preferences/PreferencesPage.h"

class CGeneralPrefsPage : public CPreferencesPage
{
    DECLARE_DYNAMIC(CGeneralPrefsPage)

public:
    CGeneralPrefsPage();

    int m_useAlternatePictureRendering = 1;
    int m_backupCount = 2;
    CString m_defaultPictureFolder;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnPictureOptions();
    DECLARE_MESSAGE_MAP()
};
