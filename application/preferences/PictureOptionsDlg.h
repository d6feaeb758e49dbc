#pragma once
// The picture options of the general preferences: the picture rendering and
// the number of backups kept (1 to 9).
#include "framework/dialogs/MyDialog.h"

class CPictureOptionsDlg : public CMyDialog
{
public:
    explicit CPictureOptionsDlg(CWnd* parent);

    int m_useAlternatePictureRendering = 1;
    int m_backupCount = 2;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
