#include "framework/dialogs/DialogRunner.h"

#include "foundation/terminology/TokenExpander.h"
#include "framework/messages/MessageRoutines.h"

CDialogRunner::~CDialogRunner()
{
    if (m_accelerators != NULL)
        ::DestroyAcceleratorTable(m_accelerators);
}

BOOL CDialogRunner::RunModal()
{
    if (CDialog* dialog = DYNAMIC_DOWNCAST(CDialog, m_owner))
        return dialog->DoModal() == IDOK;
    if (CPropertySheet* sheet = DYNAMIC_DOWNCAST(CPropertySheet, m_owner))
        return sheet->DoModal() == IDOK;
    return FALSE;
}

void CDialogRunner::LoadAccelerators(UINT resourceId)
{
    HINSTANCE instance = AfxGetResourceHandle();
    if (::FindResourceA(instance, MAKEINTRESOURCEA(resourceId), (LPCSTR)RT_ACCELERATOR) != NULL)
        m_accelerators = ::LoadAcceleratorsA(instance, MAKEINTRESOURCEA(resourceId));
}

BOOL TranslateHelpKey(const MSG* msg)
{
    if (msg->message != WM_KEYDOWN || msg->wParam != VK_F1 || (msg->lParam & 0x40000000) != 0)
        return FALSE;
    if (::GetKeyState(VK_SHIFT) < 0 || ::GetKeyState(VK_CONTROL) < 0 || ::GetKeyState(VK_MENU) < 0)
        return FALSE;
    CWnd* mainWnd = AfxGetMainWnd();
    if (mainWnd != NULL && mainWnd->GetSafeHwnd() != NULL)
        mainWnd->SendMessage(WM_COMMAND, ID_HELP);
    return TRUE;
}

BOOL CDialogRunner::TranslateKeys(MSG* msg)
{
    if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST && m_accelerators != NULL
        && m_owner->GetSafeHwnd() != NULL
        && ::TranslateAcceleratorA(m_owner->GetSafeHwnd(), m_accelerators, msg))
        return TRUE;
    return TranslateHelpKey(msg);
}

void CDialogRunner::OnInitOwner()
{
    if (!m_openingMessage.IsEmpty())
    {
        m_owner->GetWindowText(m_openingTitle);
        m_owner->PostMessage(WM_COMMAND, ID_SHOW_OPENING_MESSAGE);
    }
    if (m_openHelpAtStart)
        m_owner->OnHelp();
}

void CDialogRunner::ShowOpeningMessage()
{
    if (m_openingMessage.IsEmpty())
        return;
    CString text;
    ExpandTokens(m_openingMessage, text);
    // the text may hold '%': it is an argument, never the format
    ShowInformationTitled(m_openingPromptName, m_openingTitle, "%s", (LPCTSTR)text);
}
