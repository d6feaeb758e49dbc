// CWinApp's profile: values under the registry key
// HKEY_CURRENT_USER\Software\<company>\<profile>\<section>, or in the
// application's .INI file when no company key was set.
#include "afx/app/WinApp.h"

#include <stdlib.h>

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey, LPCTSTR lpszProfileName)
{
    LPCTSTR lpszProfile = (lpszProfileName != NULL && *lpszProfileName != '\0') ? lpszProfileName : m_pszAppName;
    // copy first: either argument may be one of the fields being replaced
    LPTSTR pszNewKey = _strdup(lpszRegistryKey != NULL ? lpszRegistryKey : "");
    LPTSTR pszNewProfile = _strdup(lpszProfile != NULL ? lpszProfile : "");
    free((void*)m_pszRegistryKey);
    free((void*)m_pszProfileName);
    m_pszRegistryKey = pszNewKey;
    m_pszProfileName = pszNewProfile;
}

HKEY CWinApp::GetAppRegistryKey()
{
    if (m_pszRegistryKey == NULL || m_pszProfileName == NULL)
        return NULL;
    HKEY hSoftKey = NULL, hCompanyKey = NULL, hAppKey = NULL;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_WRITE | KEY_READ, &hSoftKey) == ERROR_SUCCESS)
    {
        DWORD dw;
        if (::RegCreateKeyExA(hSoftKey, m_pszRegistryKey, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ,
                              NULL, &hCompanyKey, &dw)
            == ERROR_SUCCESS)
        {
            ::RegCreateKeyExA(hCompanyKey, m_pszProfileName, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ,
                              NULL, &hAppKey, &dw);
            ::RegCloseKey(hCompanyKey);
        }
        ::RegCloseKey(hSoftKey);
    }
    return hAppKey;
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    HKEY hAppKey = GetAppRegistryKey();
    if (hAppKey == NULL)
        return NULL;
    HKEY hSectionKey = NULL;
    DWORD dw;
    ::RegCreateKeyExA(hAppKey, lpszSection, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ, NULL,
                      &hSectionKey, &dw);
    ::RegCloseKey(hAppKey);
    return hSectionKey;
}

namespace
{
// The .INI file of an application without a company key.
CString IniFileName(LPCTSTR lpszProfileName, LPCTSTR lpszExeName)
{
    if (lpszProfileName != NULL && *lpszProfileName != '\0')
        return CString(lpszProfileName);
    CString strName(lpszExeName != NULL ? lpszExeName : "Application");
    return strName + ".INI";
}
} // namespace

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    if (m_pszRegistryKey == NULL)
        return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, IniFileName(m_pszProfileName, m_pszExeName));

    HKEY hSectionKey = GetSectionKey(lpszSection);
    if (hSectionKey == NULL)
        return (UINT)nDefault;
    DWORD dwValue = 0, dwType = 0, dwCount = sizeof(DWORD);
    LONG lResult = ::RegQueryValueExA(hSectionKey, lpszEntry, NULL, &dwType, (LPBYTE)&dwValue, &dwCount);
    ::RegCloseKey(hSectionKey);
    if (lResult == ERROR_SUCCESS && dwType == REG_DWORD && dwCount == sizeof(DWORD))
        return (UINT)dwValue;
    return (UINT)nDefault;
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    if (m_pszRegistryKey == NULL)
    {
        char szValue[16];
        wsprintfA(szValue, "%d", nValue);
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, szValue,
                                            IniFileName(m_pszProfileName, m_pszExeName));
    }
    HKEY hSectionKey = GetSectionKey(lpszSection);
    if (hSectionKey == NULL)
        return FALSE;
    DWORD dwValue = (DWORD)nValue;
    LONG lResult = ::RegSetValueExA(hSectionKey, lpszEntry, 0, REG_DWORD, (const BYTE*)&dwValue, sizeof(dwValue));
    ::RegCloseKey(hSectionKey);
    return lResult == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    CString strDefault(lpszDefault != NULL ? lpszDefault : "");
    if (m_pszRegistryKey == NULL)
    {
        CString strIni = IniFileName(m_pszProfileName, m_pszExeName);
        char szValue[4096];
        ::GetPrivateProfileStringA(lpszSection, lpszEntry, strDefault, szValue, sizeof(szValue), strIni);
        return CString(szValue);
    }

    HKEY hSectionKey = GetSectionKey(lpszSection);
    if (hSectionKey == NULL)
        return strDefault;
    CString strValue;
    DWORD dwType = 0, dwCount = 0;
    LONG lResult = ::RegQueryValueExA(hSectionKey, lpszEntry, NULL, &dwType, NULL, &dwCount);
    if (lResult == ERROR_SUCCESS && dwType == REG_SZ)
    {
        // room for a terminator the stored value may lack
        LPTSTR pBuffer = strValue.GetBuffer((int)dwCount + 1);
        lResult = ::RegQueryValueExA(hSectionKey, lpszEntry, NULL, &dwType, (LPBYTE)pBuffer, &dwCount);
        pBuffer[lResult == ERROR_SUCCESS ? dwCount : 0] = '\0';
        strValue.ReleaseBuffer();
    }
    ::RegCloseKey(hSectionKey);
    if (lResult == ERROR_SUCCESS && dwType == REG_SZ)
        return strValue;
    return strDefault;
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (m_pszRegistryKey == NULL)
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue,
                                            IniFileName(m_pszProfileName, m_pszExeName));

    LONG lResult;
    if (lpszEntry == NULL)
    {
        HKEY hAppKey = GetAppRegistryKey();
        if (hAppKey == NULL)
            return FALSE;
        lResult = ::RegDeleteKeyA(hAppKey, lpszSection);
        ::RegCloseKey(hAppKey);
        return lResult == ERROR_SUCCESS;
    }
    HKEY hSectionKey = GetSectionKey(lpszSection);
    if (hSectionKey == NULL)
        return FALSE;
    if (lpszValue == NULL)
        lResult = ::RegDeleteValueA(hSectionKey, lpszEntry);
    else
        lResult = ::RegSetValueExA(hSectionKey, lpszEntry, 0, REG_SZ, (const BYTE*)lpszValue,
                                   (DWORD)strlen(lpszValue) + 1);
    ::RegCloseKey(hSectionKey);
    return lResult == ERROR_SUCCESS;
}
