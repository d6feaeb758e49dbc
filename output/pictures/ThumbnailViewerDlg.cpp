#include "output/pictures/ThumbnailViewerDlg.h"

#include "afx/dialogs/DataExchange.h"
#include "foundation/files/ProgramFolder.h"
#include "framework/windows/ReleaseToWindow.h"
#include "framework/windows/WorkArea.h"
#include "output/pictures/ThumbnailFolderTree.h"
#include "output/pictures/ThumbnailGrid.h"

#include <algorithm>
#include <memory>

IMPLEMENT_DYNAMIC(CThumbnailViewerDlg, CStatusBarDialog)

namespace
{
const UINT StatusPanes[] = {0}; // one pane without a text of its own
const DWORD FolderTreeStyles = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_EDITLABELS | TVS_SHOWSELALWAYS;
}

CThumbnailViewerDlg::CThumbnailViewerDlg(UINT templateId, CWnd* parent, CRuntimeClass* gridClass)
    : CStatusBarDialog(templateId, parent, StatusPanes, 1), m_startFolder(ProgramFolder), m_pGridClass(gridClass)
{
}

int CThumbnailViewerDlg::DefaultTreeWidth(int workAreaWidth)
{
    return std::max(workAreaWidth / 3, 200);
}

void CThumbnailViewerDlg::OnFolderSelected(LPCTSTR folder)
{
    SetStatusText(folder);
}

CThumbnailFolderTree* CThumbnailViewerDlg::GetTreePane() const
{
    return m_splitter.GetSafeHwnd() != NULL ? DYNAMIC_DOWNCAST(CThumbnailFolderTree, m_splitter.GetPane(0, 0)) : NULL;
}

CWnd* CThumbnailViewerDlg::GetGridPane() const
{
    return m_splitter.GetSafeHwnd() != NULL ? m_splitter.GetPane(0, 1) : NULL;
}

CThumbnailGrid* CThumbnailViewerDlg::GetGrid() const
{
    return DYNAMIC_DOWNCAST(CThumbnailGrid, GetGridPane());
}

void CThumbnailViewerDlg::DoDataExchange(CDataExchange* pDX)
{
    CStatusBarDialog::DoDataExchange(pDX);
    if (!pDX->m_bSaveAndValidate && m_splitter.GetSafeHwnd() == NULL)
        CreatePanes();
    DDX_MyButton(pDX, IDOK, m_okButton);
    DDX_MyButton(pDX, IDCANCEL, m_cancelButton);
    DDX_MyButton(pDX, ID_HELP, m_helpButton);
}

void CThumbnailViewerDlg::CreatePanes()
{
    const int treeWidth = m_splitter.RestorePosition("Preferences", "ThumbnailViewerSplitterPosition",
                                                     DefaultTreeWidth(GetDesktopWorkArea().Width()));
    if (!m_splitter.CreateStatic(this, 1, 2, WS_CHILD | WS_VISIBLE, AFX_IDW_PANE_FIRST))
        return;
    const CRect start(0, 0, treeWidth, 100);

    // Each pane deletes itself with its window once the window is made;
    // until then the object is held here.
    std::unique_ptr<CThumbnailFolderTree> tree(
        (CThumbnailFolderTree*)RUNTIME_CLASS(CThumbnailFolderTree)->CreateObject());
    tree->m_pOwner = this;
    tree->m_deleteWithWindow = TRUE;
    tree->SetShowFiles(FALSE);
    tree->SetInitialPath(m_startFolder, TRUE);
    tree->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | FolderTreeStyles, start, &m_splitter,
                 m_splitter.IdFromRowCol(0, 0));
    ReleaseToWindow(std::move(tree));

    // The right pane is made by name: a grid or another window base of the program.
    std::unique_ptr<CObject> object(m_pGridClass != NULL ? m_pGridClass->CreateObject() : NULL);
    if (CThumbnailGrid* grid = DYNAMIC_DOWNCAST(CThumbnailGrid, object.get()))
    {
        grid->m_autoDelete = TRUE;
        if (grid->Create(&m_splitter, start, m_splitter.IdFromRowCol(0, 1)))
            object.release();
    }
    else if (CMyWnd* pane = DYNAMIC_DOWNCAST(CMyWnd, object.get()))
    {
        pane->m_autoDelete = TRUE;
        if (pane->Create(AfxRegisterWndClass(0), NULL, WS_CHILD | WS_VISIBLE, start, &m_splitter,
                         m_splitter.IdFromRowCol(0, 1)))
            object.release();
    }

    m_splitter.SetColumnInfo(0, treeWidth, 0);
    m_splitter.RecalcLayout();
}

BOOL CThumbnailViewerDlg::OnInitDialog()
{
    BOOL result = CStatusBarDialog::OnInitDialog();
    m_inSize = TRUE;
    EnforceMinSize();
    m_inSize = FALSE;
    RecalcLayout();
    Invalidate();
    UpdateWindow();
    return result;
}

void CThumbnailViewerDlg::RepositionControls()
{
    CWnd* help = GetDlgItem(ID_HELP);
    CWnd* cancel = GetDlgItem(IDCANCEL);
    CWnd* ok = GetDlgItem(IDOK);
    const CRect area = m_clientArea;
    int margin = 0;
    int top = (int)area.bottom;
    if (help != NULL)
    {
        CRect helpRect;
        help->GetWindowRect(&helpRect);
        margin = helpRect.Height() / 8;
    }
    // Help in the bottom-right corner, Cancel and then Select to its left.
    int right = area.right - margin;
    for (CWnd* button : {help, cancel, ok})
    {
        if (button == NULL)
            continue;
        CRect rect;
        button->GetWindowRect(&rect);
        const int x = right - rect.Width(), y = area.bottom - margin - rect.Height();
        button->SetWindowPos(NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        right = x - margin;
        top = std::min<int>(top, y);
    }
    if (m_splitter.GetSafeHwnd() != NULL)
        m_splitter.MoveWindow(area.left, area.top, area.Width(), std::max<int>(top - margin - area.top, 0));
}
