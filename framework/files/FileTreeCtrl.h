#pragma once

#include "afx/app/AfxWin.h"
#include "framework/controls/MyTreeCtrl.h"
#include "framework/files/SystemImageList.h"

#include <shellapi.h>

#include <memory>

// A tree of the file system as the shell shows it: the drives at the top (or
// one root folder's contents), folders filled in when first expanded, each
// item with the shell's own small icons. Optional file operations (rename,
// delete, open, properties, moving or copying a folder by dragging it onto
// another) are off unless a caller switches them on.
class CFileTreeCtrl : public CMyTreeCtrl
{
    DECLARE_DYNAMIC(CFileTreeCtrl)

public:
    CFileTreeCtrl();
    ~CFileTreeCtrl() override;

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

    // A drag: TRUE from its start to the button going up or Escape.
    BOOL IsDragging() const { return m_pDragImage != nullptr; }
    HTREEITEM GetDropTarget() const { return m_hDropTarget; }
    // The target itself when the dragged item may be dropped on it; NULL for
    // a file, the dragged item, its own parent or one of its descendants.
    HTREEITEM IsDropTarget(HTREEITEM target) const;
    // Ends a drag; unless cancelled, the dragged item is moved (copied with
    // Ctrl) into the valid drop target through the shell.
    void EndDragging(BOOL cancel);

    BOOL PreTranslateMessage(MSG* msg) override;

    CString m_rootFolder; // empty: the drives
    BOOL m_bRenameOption;
    BOOL m_bOpenOption;
    BOOL m_bPropertiesOption;
    BOOL m_bDeleteOption;
    BOOL m_bDragOption;
    // Added to the flags of the shell's file operations (FOF_NOERRORUI, say,
    // where no one is there to answer the platform's boxes).
    FILEOP_FLAGS m_extraFileOperationFlags;

protected:
    // The shortcut menu of the caret item at a screen point: this tree has
    // none; a derived tree may show one (its items' states are updated
    // through this tree's command routing).
    virtual void ShowContextMenu(CPoint screenPoint);

    void PreSubclassWindow() override;
    afx_msg LRESULT OnFirstFill(WPARAM, LPARAM);
    afx_msg void OnItemExpanding(NMHDR* header, LRESULT* result);
    afx_msg void OnBeginLabelEdit(NMHDR* header, LRESULT* result);
    afx_msg void OnEndLabelEdit(NMHDR* header, LRESULT* result);
    afx_msg void OnDoubleClick(NMHDR* header, LRESULT* result);
    afx_msg void OnRightClick(NMHDR* header, LRESULT* result);
    afx_msg void OnContextMenu(CWnd* window, CPoint point);
    afx_msg void OnInitMenuPopup(CMenu* popup, UINT index, BOOL systemMenu);
    afx_msg void OnBeginDrag(NMHDR* header, LRESULT* result);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnTimer(UINT id);
    afx_msg LRESULT OnCaptureChanged(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void DisplayDrives(HTREEITEM parent);
    void DisplayPath(LPCTSTR folder, HTREEITEM parent);
    HTREEITEM InsertFileItem(HTREEITEM parent, LPCTSTR path, LPCTSTR text);
    BOOL HasSubItems(LPCTSTR path) const;
    HTREEITEM FindChild(HTREEITEM parent, LPCTSTR text) const;
    BOOL ShellExecuteItem(HTREEITEM item, LPCTSTR verb);
    void SetDropTarget(HTREEITEM item);
    void SetDragCursor(BOOL validTarget);
    void AutoScrollWhileDragging(CPoint point);
    HTREEITEM CopyBranch(HTREEITEM item, HTREEITEM parent);
    void SetChildCount(HTREEITEM item, int count);

    CSystemImageList m_systemImages;
    BOOL m_bShowFiles;
    CString m_initialPath;
    BOOL m_bInitialExpand;

    HTREEITEM m_hDraggedItem;
    HTREEITEM m_hDropTarget;
    std::unique_ptr<CImageList> m_pDragImage; // non-null exactly while dragging
    UINT_PTR m_nDragTimer;
    HCURSOR m_hCopyCursor;
    HCURSOR m_hNoCopyCursor;
    HCURSOR m_hMoveCursor;
    HCURSOR m_hNoMoveCursor;
    int m_nHoverCount;
};
