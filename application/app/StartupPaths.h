#pragma once
// Paths of the running program that start-up settles (the program folder
// itself is the foundation's ProgramFolder).
#include "afx/core/AfxCore.h"

extern CString ProgramExeName;  // the executable's name without extension
extern CString ErrorLogPath;    // where fault reports are appended; empty: none
extern CString HelpFilePath;    // ProgramFolder joined with ProgramExeName + "-Help.chm"

// The program folder of an executable path that ends in a file name: the text
// before the last '\' (the whole text when it has none), normalised.
CString ProgramFolderOf(LPCTSTR executablePath);
// The path with the extension of its file name replaced by ".err"; a dot in
// a folder name does not count. Empty when the file name has no extension or
// only a leading dot.
CString ErrorLogPathOf(LPCTSTR executablePath);
