#include "framework/messages/CommandObject.h"

CCommandObject::CCommandObject(CCmdTarget* owner, UINT commandId, int kind)
    : owner(owner), commandId(commandId), kind(kind)
{
}

BOOL CCommandObject::IsEnabled()
{
    return TRUE;
}

int CCommandObject::GetCheck()
{
    return 1;
}

BOOL CCommandObject::GetRadio()
{
    return TRUE;
}

void CCommandObject::UpdateCmdUI(CCmdUI* pCmdUI)
{
    // Emptied first: only a text that a state query sets now reaches the item.
    text.Empty();
    pCmdUI->Enable(IsEnabled());
    if (kind == KIND_RADIO)
        pCmdUI->SetRadio(GetRadio());
    else if (kind == KIND_CHECK)
        pCmdUI->SetCheck(GetCheck());
    if (!text.IsEmpty())
        pCmdUI->SetText(text);
}

int CCommandObject::Run()
{
    return IsEnabled() ? Execute() : 0;
}
