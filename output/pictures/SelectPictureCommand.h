#pragma once
// Select in the Select Picture dialog: enabled while a picture is selected;
// hands back its path (relative to the picture search path where possible),
// remembers its folder for the next opening and ends the dialog with IDOK.
#include "framework/messages/CommandObject.h"

class CSelectPictureDlg;

class CSelectPictureCommand : public CCommandObject
{
public:
    explicit CSelectPictureCommand(CSelectPictureDlg* dialog);

    BOOL IsEnabled() override;
    int Execute() override;

    CString m_path; // the selected picture, kept by IsEnabled

private:
    CSelectPictureDlg* m_dialog;
};
