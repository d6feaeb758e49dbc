#include "foundation/settings/RegistryExchange.h"

#include "foundation/settings/RegistryKey.h"

namespace
{
    void NoteWrite(BOOL* ok, BOOL written)
    {
        if (!written && ok != NULL)
            *ok = FALSE;
    }
}

void ExchangeRegInt(BOOL* ok, BOOL save, CRegistryKey& key, LPCTSTR valueName,
                    int& value, int minimum, int maximum, int defaultValue)
{
    DWORD stored = (DWORD)value;
    ExchangeRegDWord(ok, save, key, valueName, stored, (DWORD)defaultValue);
    if (save)
        return;
    value = (int)stored;
    if (value < minimum || value > maximum)
        value = defaultValue;
}

void ExchangeRegDWord(BOOL* ok, BOOL save, CRegistryKey& key, LPCTSTR valueName,
                      DWORD& value, DWORD defaultValue)
{
    if (save)
    {
        NoteWrite(ok, key.SetDWord(valueName, value));
        return;
    }
    value = defaultValue;
    DWORD stored = 0;
    if (key.QueryDWord(valueName, stored))
        value = stored;
}

void ExchangeRegString(BOOL* ok, BOOL save, CRegistryKey& key, LPCTSTR valueName,
                       CString& value, LPCTSTR defaultValue)
{
    if (save)
    {
        NoteWrite(ok, key.SetString(valueName, value));
        return;
    }
    if (!key.QueryString(valueName, value))
        value = defaultValue != NULL ? defaultValue : "";
}
