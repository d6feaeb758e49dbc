#include "framework/files/FolderBrowseButton.h"
#include "framework/files/FolderPicker.h"

IMPLEMENT_DYNAMIC(CFolderBrowseButton, CMyButton)

BEGIN_MESSAGE_MAP(CFolderBrowseButton, CMyButton)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

void CFolderBrowseButton::OnClicked()
{
    if (m_edit == NULL)
        return;
    CString folder;
    m_edit->GetWindowText(folder);
    CFolderPicker picker(folder, this, BIF_RETURNONLYFSDIRS);
    if (picker.Browse() == IDOK)
        m_edit->SetWindowText(picker.m_chosenFolder);
}
