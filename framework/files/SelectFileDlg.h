#pragma once
// A file dialog set up from a title, a starting file or folder, a list of
// file kinds and an OK-button text.
#include "framework/files/MyFileDialog.h"

class CSelectFileDlg : public CMyFileDialog
{
    DECLARE_DYNAMIC(CSelectFileDlg)

public:
    // title: "Select File" when null or empty; fileName: the starting file,
    // else the initial folder; okText: null or empty keeps the dialog's own.
    CSelectFileDlg(BOOL open, LPCTSTR title, LPCTSTR fileName, LPCTSTR initialFolder, const CDWordArray& kinds,
                   LPCTSTR okText, UINT helpId, DWORD flags, CWnd* parent);
};
