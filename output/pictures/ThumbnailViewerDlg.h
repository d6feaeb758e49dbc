#pragma once
// A resizable dialog with a status bar whose client area is split into a
// folder tree on the left and a thumbnail grid (or any window class made by
// name) on the right; selecting a folder in the tree shows it.
#include "framework/controls/MyButton.h"
#include "framework/dialogs/DialogSplitter.h"
#include "framework/dialogs/StatusBarDialog.h"

class CThumbnailGrid;
class CThumbnailFolderTree;

class CThumbnailViewerDlg : public CStatusBarDialog
{
    DECLARE_DYNAMIC(CThumbnailViewerDlg)

public:
    CThumbnailViewerDlg(UINT templateId, CWnd* parent, CRuntimeClass* gridClass);

    // Shows the folder in the status bar.
    virtual void OnFolderSelected(LPCTSTR folder);

    // The splitter's panes; null before the splitter exists.
    CThumbnailFolderTree* GetTreePane() const;
    CWnd* GetGridPane() const;
    // The right pane when it is a thumbnail grid.
    CThumbnailGrid* GetGrid() const;

    // The width of the tree when none is stored: a third of the work area's
    // width, at least 200 pixels.
    static int DefaultTreeWidth(int workAreaWidth);

    CString m_startFolder;       // the application folder by default
    CRuntimeClass* m_pGridClass; // made in the right pane
    CDialogSplitter m_splitter;
    CMyButton m_okButton;
    CMyButton m_cancelButton;
    CMyButton m_helpButton;

    BOOL OnInitDialog() override;
    void RepositionControls() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void CreatePanes();
};
