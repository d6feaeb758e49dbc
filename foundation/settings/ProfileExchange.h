#pragma once

#include "foundation/settings/NumberMap.h"

// Update operations: 1 when the variable took the new value (raising
// SettingsChangedFlag when mark is set), 0 when it already held it.
int UpdateSettingInt(int& variable, int value, BOOL mark);
int UpdateSettingString(CString& variable, LPCTSTR value, BOOL mark);
int UpdateSettingMap(CNumberMap& variable, const CNumberMap& value, BOOL mark);

// Exchange of one setting. Without a dialog copy it moves between the variable
// and the profile (section, entry); with one, between the variable and the
// copy, and saving marks a change when the entry is persisted (not null) and
// sets *changed when given.
void ExchangeProfileInt(int* changed, BOOL load, LPCTSTR section, LPCTSTR entry, int defaultValue,
                        int& variable, int* copy);
void ExchangeProfileIntAsText(int* changed, BOOL load, LPCTSTR section, LPCTSTR entry, int defaultValue,
                              int& variable, int* copy);
void ExchangeProfileString(int* changed, BOOL load, LPCTSTR section, LPCTSTR entry, LPCTSTR defaultText,
                           CString& variable, CString* copy);
void ExchangeProfileMap(int* changed, BOOL load, LPCTSTR section, LPCTSTR entry, const CNumberMap* defaultMap,
                        CNumberMap& variable, CNumberMap* copy);
