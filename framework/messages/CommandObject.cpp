#include "framework/messages/CommandObject.h"

#include "framework/messages/CommandStateProvider.h"

CCommandObject::CCommandObject(CCmdTarget* owner, UINT commandId, int kind)
    : owner(owner), commandId(commandId), kind(kind)
{
}

BOOL CCommandObject::IsEnabled()
{
    CCommandStateProvider* provider = FindCommandStateProvider(commandId);
    return provider == NULL ? TRUE : provider->IsEnabled(commandId);
}

int CCommandObject::GetCheck()
{
    CCommandStateProvider* provider = FindCommandStateProvider(commandId);
    return provider == NULL ? 1 : provider->GetCheck(commandId);
}

BOOL CCommandObject::GetRadio()
{
    CCommandStateProvider* provider = FindCommandStateProvider(commandId);
    return provider == NULL ? TRUE : provider->GetRadio(commandId);
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
