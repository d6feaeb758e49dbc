#pragma once

#include "afx/core/AfxCore.h"

// Holder of one open registry key; closes it when destroyed.
class CRegistryKey
{
public:
    CRegistryKey() : m_hKey(NULL) {}
    ~CRegistryKey() { Close(); }

    HKEY GetHandle() const { return m_hKey; }

    LONG Close();
    void Attach(HKEY hKey);

    BOOL QueryString(LPCTSTR valueName, CString& value) const;
    BOOL QueryDWord(LPCTSTR valueName, DWORD& value) const;
    BOOL SetString(LPCTSTR valueName, LPCTSTR text);
    BOOL SetDWord(LPCTSTR valueName, const DWORD& value);
    BOOL DeleteValue(LPCTSTR valueName);

private:
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    HKEY m_hKey;
};
