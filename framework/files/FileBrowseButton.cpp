#include "framework/files/FileBrowseButton.h"
#include "foundation/files/FileKinds.h"
#include "framework/dialogs/PictureChooser.h"
#include "framework/files/SelectFileDlg.h"

IMPLEMENT_DYNAMIC(CFileBrowseButton, CMyButton)

BEGIN_MESSAGE_MAP(CFileBrowseButton, CMyButton)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

void CFileBrowseButton::OnClicked()
{
    if (m_edit == NULL)
        return;
    CString path;
    m_edit->GetWindowText(path);
    if (path.IsEmpty())
        path = m_defaultPath;
    PictureChooser choosePicture = GetPictureChooser();
    if (m_kinds.GetSize() == 1 && m_kinds[0] == FILE_KIND_PICTURE_GROUP && choosePicture != NULL)
    {
        // The chooser titles itself "Select " and the object's name.
        if (choosePicture(m_edit, m_objectName, path))
            m_edit->SetWindowText(path);
        return;
    }
    CSelectFileDlg dialog(m_open, m_title, path, m_initialFolder, m_kinds, m_okText, m_helpId, m_flags, this);
    if (dialog.DoModal() == IDOK)
        m_edit->SetWindowText(dialog.m_filePath);
}
