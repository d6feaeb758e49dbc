#pragma once
// How a file-name field whose only file kind is the picture group lets the
// user choose a picture. The framework declares it; the pictures code
// installs its Select Picture dialog at start-up. With none installed such a
// field has no picture chooser of its own.
#include "afx/app/AfxWin.h"

// Runs the chooser for the field: its title (may be empty) and its text,
// which becomes the chosen picture. TRUE when one was chosen.
typedef BOOL (*PictureChooser)(CWnd* field, LPCTSTR fieldTitle, CString& text);

void SetPictureChooser(PictureChooser chooser);
PictureChooser GetPictureChooser();
