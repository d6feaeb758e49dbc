#pragma once
// The picture files of a folder.
#include "afx/core/AfxCore.h"

// Empties names, then appends the name (without folder) of every file of the
// folder with an extension of a picture kind (bitmap, JPEG, enhanced
// metafile, metafile, vector picture, PDF), kind by kind in that order;
// each file once.
void ListPictureFilesInFolder(LPCTSTR folder, CStringArray& names);
