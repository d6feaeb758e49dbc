#pragma once
// The program's open and save dialog: filters built from the file kinds,
// a default extension taken from the first filter that gives one, an
// optional OK-button text, and the chosen path after OK.
#include "afx/dialogs/FileDialog.h"
#include "framework/windows/PaletteHook.h"

#include <string>

class CMyFileDialog : public CFileDialog
{
    DECLARE_DYNAMIC(CMyFileDialog)

public:
    CMyFileDialog(BOOL open, LPCTSTR defaultExtension = NULL, LPCTSTR fileName = NULL,
                  DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR filter = NULL, CWnd* parent = NULL);

    CPaletteHook m_paletteHook;
    CString m_title;
    std::string m_filterText;   // display text and pattern list, each ended by a zero character
    CString m_filePath;
    CString m_initialFolder;
    CString m_okText;
    CString m_defaultExtension;

    // "Name (*.a;*.b)": the line and its pattern list become one filter.
    void AddFilter(LPCTSTR line);
    // Kind 0 is all files; a group kind adds a line for all its members and
    // then one line per member.
    void AddFileKindFilter(int kind);
    void AddFileKindFilters(const CDWordArray& kinds);

    BOOL OnInitDialog() override;
    INT_PTR DoModal() override;
};
