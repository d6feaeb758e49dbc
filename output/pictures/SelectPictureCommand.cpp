#include "output/pictures/SelectPictureCommand.h"

#include "foundation/files/PathText.h"
#include "output/pictures/PictureSettings.h"
#include "output/pictures/SelectPictureDlg.h"
#include "output/pictures/ThumbnailGrid.h"

CSelectPictureCommand::CSelectPictureCommand(CSelectPictureDlg* dialog)
    : CCommandObject(dialog, IDOK, KIND_PLAIN), m_dialog(dialog)
{
}

BOOL CSelectPictureCommand::IsEnabled()
{
    if (!CCommandObject::IsEnabled())
        return FALSE;
    CThumbnailGrid* grid = m_dialog->GetGrid();
    m_path = grid != NULL ? grid->GetSelectedPath() : CString();
    return !m_path.IsEmpty();
}

int CSelectPictureCommand::Execute()
{
    m_dialog->m_result = MakePathRelative(m_path, GetPictureSearchPath());
    // A picture outside the search folders makes its folder the next start;
    // the folder is kept absolute, whatever form the result takes.
    CString folder, name;
    if (SplitPath(m_dialog->m_result, &folder, &name) && SplitPath(MakeAbsolutePath(m_path), &folder, &name))
        LastPictureFolder = folder;
    m_dialog->EndDialog(IDOK);
    return 1;
}
