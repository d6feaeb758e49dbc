#pragma once

// A registry key under HKEY_CURRENT_USER that only tests use; it is removed
// with everything below it when the holder goes.

#include <windows.h>
#include <shlwapi.h>

#include <string>

class CTestRegistryKey
{
public:
    explicit CTestRegistryKey(const char* name)
        : m_path(std::string("Software\\Mirolf Technologies Ltd\\") + name)
    {
        Remove();
    }
    ~CTestRegistryKey() { Remove(); }

    // "Software\Mirolf Technologies Ltd\<name>", without a trailing backslash.
    const std::string& Path() const { return m_path; }

    void Remove() { ::SHDeleteKeyA(HKEY_CURRENT_USER, m_path.c_str()); }

    bool Exists(const std::string& subKey = std::string()) const
    {
        HKEY key = Open(subKey, false);
        if (key == NULL)
            return false;
        ::RegCloseKey(key);
        return true;
    }

    // Writes raw data of any type, for values that the program itself would
    // never write (damaged or foreign values).
    bool SetRaw(const std::string& subKey, const char* valueName, DWORD type, const void* data, DWORD size)
    {
        HKEY key = Open(subKey, true);
        if (key == NULL)
            return false;
        LONG result = ::RegSetValueExA(key, valueName, 0, type, (const BYTE*)data, size);
        ::RegCloseKey(key);
        return result == ERROR_SUCCESS;
    }

    bool GetString(const std::string& subKey, const char* valueName, std::string& value) const
    {
        HKEY key = Open(subKey, false);
        if (key == NULL)
            return false;
        char buffer[8192];
        DWORD size = sizeof(buffer);
        DWORD type = 0;
        LONG result = ::RegQueryValueExA(key, valueName, NULL, &type, (BYTE*)buffer, &size);
        ::RegCloseKey(key);
        if (result != ERROR_SUCCESS || type != REG_SZ)
            return false;
        value.assign(buffer, size > 0 && buffer[size - 1] == '\0' ? size - 1 : size);
        return true;
    }

private:
    // Opens (or creates) the test key, then the subkey below it, so that long
    // subkey names are taken relative to the test key as the program does.
    HKEY Open(const std::string& subKey, bool create) const
    {
        HKEY root = NULL;
        LONG result = create ? ::RegCreateKeyExA(HKEY_CURRENT_USER, m_path.c_str(), 0, NULL, 0, KEY_ALL_ACCESS,
                                                 NULL, &root, NULL)
                             : ::RegOpenKeyExA(HKEY_CURRENT_USER, m_path.c_str(), 0, KEY_ALL_ACCESS, &root);
        if (result != ERROR_SUCCESS)
            return NULL;
        if (subKey.empty())
            return root;
        HKEY key = NULL;
        result = create ? ::RegCreateKeyExA(root, subKey.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key, NULL)
                        : ::RegOpenKeyExA(root, subKey.c_str(), 0, KEY_ALL_ACCESS, &key);
        ::RegCloseKey(root);
        return result == ERROR_SUCCESS ? key : NULL;
    }

    std::string m_path;
};
