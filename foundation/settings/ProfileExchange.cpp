#include "foundation/settings/ProfileExchange.h"

#include "afx/app/AfxWin.h"
#include "foundation/settings/SettingsExchangers.h"

#include <string.h>

namespace
{
    void MarkChanged(BOOL mark)
    {
        if (mark)
            SettingsChangedFlag = TRUE;
    }

    // Between the variable and a dialog's working copy: loading fills the copy,
    // saving takes the copy's value through the update operation.
    template <typename T, typename Update>
    bool ExchangeWithCopy(int* changed, BOOL load, LPCTSTR entry, T& variable, T* copy, Update update)
    {
        if (copy == NULL)
            return false;
        if (load)
            *copy = variable;
        else if (update(variable, *copy, entry != NULL) && changed != NULL)
            *changed = 1;
        return true;
    }
}

int UpdateSettingInt(int& variable, int value, BOOL mark)
{
    if (variable == value)
        return 0;
    variable = value;
    MarkChanged(mark);
    return 1;
}

int UpdateSettingString(CString& variable, LPCTSTR value, BOOL mark)
{
    if (value == NULL)
        value = "";
    if (strcmp(variable, value) == 0)
        return 0;
    variable = value;
    MarkChanged(mark);
    return 1;
}

int UpdateSettingMap(CNumberMap& variable, const CNumberMap& value, BOOL mark)
{
    if (IsStringMapEqual(variable, value))
        return 0;
    variable = value;
    MarkChanged(mark);
    return 1;
}

void ExchangeProfileInt(int* changed, BOOL load, LPCTSTR section, LPCTSTR entry, int defaultValue,
                        int& variable, int* copy)
{
    if (ExchangeWithCopy(changed, load, entry, variable, copy, UpdateSettingInt))
        return;
    CWinApp* app = AfxGetApp();
    if (load)
        variable = (int)app->GetProfileInt(section, entry, defaultValue);
    else
        NoteSettingsWriteResult(app->WriteProfileInt(section, entry, variable));
}

void ExchangeProfileIntAsText(int* changed, BOOL load, LPCTSTR section, LPCTSTR entry, int defaultValue,
                              int& variable, int* copy)
{
    if (ExchangeWithCopy(changed, load, entry, variable, copy, UpdateSettingInt))
        return;
    CWinApp* app = AfxGetApp();
    if (load)
        variable = (int)app->GetProfileNumber(section, entry, (DWORD)defaultValue);
    else
        NoteSettingsWriteResult(app->WriteProfileNumber(section, entry, (DWORD)variable));
}

void ExchangeProfileString(int* changed, BOOL load, LPCTSTR section, LPCTSTR entry, LPCTSTR defaultText,
                           CString& variable, CString* copy)
{
    if (ExchangeWithCopy(changed, load, entry, variable, copy, UpdateSettingString))
        return;
    CWinApp* app = AfxGetApp();
    if (load)
        variable = app->GetProfileString(section, entry, defaultText);
    else
        NoteSettingsWriteResult(app->WriteProfileString(section, entry, variable));
}

void ExchangeProfileMap(int* changed, BOOL load, LPCTSTR section, LPCTSTR entry, const CNumberMap* defaultMap,
                        CNumberMap& variable, CNumberMap* copy)
{
    if (ExchangeWithCopy(changed, load, entry, variable, copy, UpdateSettingMap))
        return;
    CWinApp* app = AfxGetApp();
    if (load)
        app->GetProfileNumberMap(section, entry, defaultMap, variable);
    else
        NoteSettingsWriteResult(app->WriteProfileNumberMap(section, entry, variable));
}
