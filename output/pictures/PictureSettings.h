#pragma once

#include "afx/app/AfxWin.h"

// The preferences that picture loading and drawing follow. The application
// loads them with its other preferences; until then they keep their defaults.

// 0: bitmaps are drawn through DrawDib where allowed; otherwise by blitting.
extern int UseAlternatePictureRendering;
// The first folder searched for a picture given without a folder; empty
// means only the application folder.
extern CString DefaultPictureFolder;

// The folder of the picture last chosen in the Select Picture dialog, an
// absolute path; empty until the first choice of the run.
extern CString LastPictureFolder;

// The folders searched for a picture given without a folder, ';'-separated.
CString GetPictureSearchPath();
