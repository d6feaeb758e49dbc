#include "foundation/settings/RegistryKey.h"

LONG CRegistryKey::Close()
{
    if (m_hKey == NULL)
        return ERROR_SUCCESS;
    LONG result = ::RegCloseKey(m_hKey);
    if (result == ERROR_SUCCESS)
        m_hKey = NULL;
    return result;
}

void CRegistryKey::Attach(HKEY hKey)
{
    Close();
    m_hKey = hKey;
}

BOOL CRegistryKey::QueryString(LPCTSTR valueName, CString& value) const
{
    if (m_hKey == NULL)
        return FALSE;
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(m_hKey, valueName, NULL, &type, NULL, &size) != ERROR_SUCCESS)
        return FALSE;
    if (type != REG_SZ || size == 0)
        return FALSE;

    // The stored data need not end with a zero (a writer may have left it out),
    // so read into a buffer one byte longer than the data and cut at the first
    // zero or at the data's end, whichever comes first.
    CString text;
    LPTSTR buffer = text.GetBuffer((int)size);
    DWORD readSize = size;
    LONG result = ::RegQueryValueExA(m_hKey, valueName, NULL, &type, (LPBYTE)buffer, &readSize);
    if (result != ERROR_SUCCESS || type != REG_SZ || readSize > size)
    {
        text.ReleaseBuffer(0);
        return FALSE;
    }
    DWORD length = 0;
    while (length < readSize && buffer[length] != '\0')
        ++length;
    text.ReleaseBuffer((int)length);
    value = text;
    return TRUE;
}

BOOL CRegistryKey::QueryDWord(LPCTSTR valueName, DWORD& value) const
{
    if (m_hKey == NULL)
        return FALSE;
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof(data);
    if (::RegQueryValueExA(m_hKey, valueName, NULL, &type, (LPBYTE)&data, &size) != ERROR_SUCCESS)
        return FALSE;
    // Only a genuine 32-bit value counts; text or binary data of four bytes
    // would otherwise be taken for a number.
    if (type != REG_DWORD || size != sizeof(data))
        return FALSE;
    value = data;
    return TRUE;
}

BOOL CRegistryKey::SetString(LPCTSTR valueName, LPCTSTR text)
{
    if (m_hKey == NULL)
        return FALSE;
    if (text == NULL)
        text = "";
    DWORD size = (DWORD)lstrlenA(text) + 1;
    return ::RegSetValueExA(m_hKey, valueName, 0, REG_SZ, (const BYTE*)text, size) == ERROR_SUCCESS;
}

BOOL CRegistryKey::SetDWord(LPCTSTR valueName, const DWORD& value)
{
    if (m_hKey == NULL)
        return FALSE;
    return ::RegSetValueExA(m_hKey, valueName, 0, REG_DWORD, (const BYTE*)&value, sizeof(value)) == ERROR_SUCCESS;
}

BOOL CRegistryKey::DeleteValue(LPCTSTR valueName)
{
    if (m_hKey == NULL)
        return FALSE;
    return ::RegDeleteValueA(m_hKey, valueName) == ERROR_SUCCESS;
}
