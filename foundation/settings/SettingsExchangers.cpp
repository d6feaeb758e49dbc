#include "foundation/settings/SettingsExchangers.h"

#include "foundation/messages/MessageHook.h"

SettingsExchangerTableData SettingsExchangerTable = {{NULL}, 0, 0};
BOOL SettingsChangedFlag = FALSE;

namespace
{
    bool writeFailed = false;
}

BOOL RegisterSettingsExchanger(SettingsExchanger exchanger)
{
    if (exchanger == NULL || SettingsExchangerTable.registered >= MAX_SETTINGS_EXCHANGERS)
        return FALSE;
    SettingsExchangerTable.exchangers[SettingsExchangerTable.registered++] = exchanger;
    return TRUE;
}

void ClearSettingsExchangers()
{
    SettingsExchangerTable.registered = 0;
    SettingsExchangerTable.loaded = 0;
}

void CallSettingsExchangers(BOOL load)
{
    int first = load ? SettingsExchangerTable.loaded : 0;
    int last = SettingsExchangerTable.registered;
    for (int i = first; i < last; ++i)
        SettingsExchangerTable.exchangers[i](0, load);
    if (load)
        SettingsExchangerTable.loaded = last;
}

void NoteSettingsWriteResult(BOOL written)
{
    if (!written)
        writeFailed = true;
}

BOOL SaveChangedSettings(BOOL prompt)
{
    if (!SettingsChangedFlag)
        return TRUE;
    int answer = IDYES;
    if (prompt)
        answer = AskFoundationYesNoCancel("PromptSaveSettings",
                                          "Settings have been changed.\n\nDo you want to save the new settings permanently?");
    if (answer == IDCANCEL)
        return FALSE;
    if (answer != IDYES)
        return TRUE;

    writeFailed = false;
    CallSettingsExchangers(FALSE);
    SettingsChangedFlag = writeFailed ? TRUE : FALSE;
    return TRUE;
}
