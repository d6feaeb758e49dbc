#pragma once
// The picture selection dialog lives above the framework; the layer that
// has it installs a chooser here at start-up.
#include "afx/AfxWin.h"

// Runs the picture selection dialog with the title, starting at picture;
// TRUE with the chosen picture's path in picture.
typedef BOOL (*PictureChooser)(CWnd* parent, LPCTSTR title, CString& picture);

void SetPictureChooser(PictureChooser chooser);
// Null while none is installed.
PictureChooser GetPictureChooser();
