#include "output/pictures/SelectPictureDlg.h"

#include "foundation/files/PathText.h"
#include "framework/dialogs/PictureChooser.h"
#include "output/pictures/PictureSettings.h"
#include "output/pictures/SelectPictureCommand.h"
#include "output/pictures/SelectPictureIds.h"
#include "output/pictures/ThumbnailGrid.h"

IMPLEMENT_DYNAMIC(CSelectPictureDlg, CThumbnailViewerDlg)

BEGIN_MESSAGE_MAP(CSelectPictureDlg, CThumbnailViewerDlg)
ON_COMMAND(IDOK, OnSelect)
ON_UPDATE_COMMAND_UI(IDOK, OnUpdateSelect)
END_MESSAGE_MAP()

CSelectPictureDlg::CSelectPictureDlg(CWnd* parent)
    : CThumbnailViewerDlg(IDD_SELECT_PICTURE, parent, RUNTIME_CLASS(CThumbnailGrid))
{
    m_placementKey = "\\Preferences\\ThumbnailViewerWindowPosition";
    m_placementMode = 2;
    m_savePlacementOnDestroy = TRUE;
    m_centreWhenNotPlaced = TRUE;
    if (LastPictureFolder.IsEmpty())
        LastPictureFolder = DefaultPictureFolder;
    m_startFolder = LastPictureFolder;
}

void CSelectPictureDlg::SetInitialPicture(LPCTSTR path)
{
    if (path == NULL || *path == '\0')
        return;
    CString resolved = IsRelativePath(path) ? ResolveRelativePath(path, GetPictureSearchPath()) : CString(path);
    CString folder, name;
    if (SplitPath(resolved, &folder, &name))
    {
        m_startFolder = folder;
        m_preselect = name;
    }
}

BOOL CSelectPictureDlg::OnInitDialog()
{
    BOOL result = CThumbnailViewerDlg::OnInitDialog();
    if (CThumbnailGrid* grid = GetGrid())
        grid->m_pOwnerDialog = this;
    return result;
}

void CSelectPictureDlg::OnFolderSelected(LPCTSTR folder)
{
    CThumbnailGrid* grid = GetGrid();
    if (grid == NULL)
    {
        CThumbnailViewerDlg::OnFolderSelected(folder);
        return;
    }
    grid->SetFolder(folder);
    CString status;
    status.Format("%s, %d picture(s)", folder, grid->GetCount());
    SetStatusText(status);
    if (!m_preselect.IsEmpty() && m_startFolder.CompareNoCase(folder) == 0)
    {
        grid->SelectFile(m_preselect);
        m_preselect.Empty();
    }
}

void CSelectPictureDlg::OnSelect()
{
    CSelectPictureCommand(this).Run();
}

void CSelectPictureDlg::OnUpdateSelect(CCmdUI* pCmdUI)
{
    CSelectPictureCommand(this).UpdateCmdUI(pCmdUI);
}

BOOL SelectPictureForField(CWnd* field, LPCTSTR fieldTitle, CString& text)
{
    CSelectPictureDlg dialog(field);
    if (fieldTitle != NULL && *fieldTitle != '\0')
        dialog.SetTitle("Select %s", fieldTitle);
    else
        dialog.SetTitle("Select Picture");
    dialog.SetInitialPicture(text);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    text = dialog.m_result;
    return TRUE;
}

void InstallPictureChooser()
{
    SetPictureChooser(SelectPictureForField);
}
