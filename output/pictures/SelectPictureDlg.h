#pragma once
// Lets the user choose one picture file by its thumbnail: starts in the
// folder last used, preselects the current picture and hands back the chosen
// path, relative to the picture search folders when it lies in one of them.
#include "output/pictures/ThumbnailViewerDlg.h"

class CSelectPictureDlg : public CThumbnailViewerDlg
{
    DECLARE_DYNAMIC(CSelectPictureDlg)

public:
    explicit CSelectPictureDlg(CWnd* parent);

    // Starts in the picture's folder and preselects it there; a relative
    // path is looked for along the picture search path.
    void SetInitialPicture(LPCTSTR path);
    void OnFolderSelected(LPCTSTR folder) override;
    BOOL OnInitDialog() override;

    CString m_result;    // the chosen picture after IDOK
    CString m_preselect; // name selected when the start folder is first shown

protected:
    afx_msg void OnSelect();
    afx_msg void OnUpdateSelect(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

// Runs the dialog for a file-name field whose text names a picture: the
// title is "Select " and the field's title ("Select Picture" without one);
// on IDOK the field's text becomes the chosen picture. TRUE on IDOK.
BOOL SelectPictureForField(CWnd* field, LPCTSTR fieldTitle, CString& text);

// Makes SelectPictureForField the framework's picture chooser (start-up).
void InstallPictureChooser();
