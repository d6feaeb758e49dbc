#pragma once

#include "afx/AfxWin.h"
#include "framework/controls/MyTreeCtrl.h"
#include "output/shell/SystemImageList.h"

// A tree of the file system as the shell shows it: the drives at the top (or
// one root folder's contents), folders filled in when first expanded, each
// item with the shell's own small icons. Optional file operations (rename,
// delete, open, properties) are off unless a caller switches them on.
class CFileTreeCtrl : public CMyTreeCtrl
{
    DECLARE_DYNAMIC(CFileTreeCtrl)

public:
    CFileTreeCtrl();

    void SetShowFiles(BOOL show);
    void SetInitialPath(LPCTSTR path, BOOL expand);
    CString GetSelectedPath() const;
    CString GetItemPath(HTREEITEM item) const;
    HTREEITEM SetSelectedPath(LPCTSTR path, BOOL expand);
    void Refresh();
    void SelectParent();

    BOOL Rename(HTREEITEM item);
    // Renames the item's file or folder to a new name in the same folder; a
    // name with a path separator or "..", or a failed shell operation, leaves
    // everything as it was.
    BOOL RenameItem(HTREEITEM item, LPCTSTR newName);
    BOOL Delete(HTREEITEM item);
    BOOL Open(HTREEITEM item);
    BOOL ShowProperties(HTREEITEM item);

    BOOL PreTranslateMessage(MSG* msg) override;

    CString m_rootFolder; // empty: the drives
    BOOL m_bRenameOption;
    BOOL m_bOpenOption;
    BOOL m_bPropertiesOption;
    BOOL m_bDeleteOption;

protected:
    void PreSubclassWindow() override;
    afx_msg LRESULT OnFirstFill(WPARAM, LPARAM);
    afx_msg void OnItemExpanding(NMHDR* header, LRESULT* result);
    afx_msg void OnBeginLabelEdit(NMHDR* header, LRESULT* result);
    afx_msg void OnEndLabelEdit(NMHDR* header, LRESULT* result);
    afx_msg void OnDoubleClick(NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()

private:
    void DisplayDrives(HTREEITEM parent);
    void DisplayPath(LPCTSTR folder, HTREEITEM parent);
    HTREEITEM InsertFileItem(HTREEITEM parent, LPCTSTR path, LPCTSTR text);
    BOOL HasSubItems(LPCTSTR path) const;
    HTREEITEM FindChild(HTREEITEM parent, LPCTSTR text) const;
    BOOL ShellExecuteItem(HTREEITEM item, LPCTSTR verb);

    CSystemImageList m_systemImages;
    BOOL m_bShowFiles;
    CString m_initialPath;
    BOOL m_bInitialExpand;
};
