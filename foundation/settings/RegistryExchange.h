#pragma once

#include "afx/core/AfxCore.h"

class CRegistryKey;

// Load (save == FALSE) or save one value through an open key. A failed load
// leaves the default; a failed save clears *ok when ok is given.
void ExchangeRegInt(BOOL* ok, BOOL save, CRegistryKey& key, LPCTSTR valueName,
                    int& value, int minimum, int maximum, int defaultValue);
void ExchangeRegDWord(BOOL* ok, BOOL save, CRegistryKey& key, LPCTSTR valueName,
                      DWORD& value, DWORD defaultValue);
void ExchangeRegString(BOOL* ok, BOOL save, CRegistryKey& key, LPCTSTR valueName,
                       CString& value, LPCTSTR defaultValue);
