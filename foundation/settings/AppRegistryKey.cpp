#include "foundation/settings/AppRegistryKey.h"

#include "foundation/settings/RegistryKey.h"

#include <memory>

namespace
{
    std::unique_ptr<CString> appKeyPath;
    HKEY defaultRoot = HKEY_LOCAL_MACHINE;

    CString& AppKeyPath()
    {
        if (appKeyPath == NULL)
            appKeyPath = std::make_unique<CString>("Software\\companyname\\appname\\");
        return *appKeyPath;
    }

    LONG OpenOrCreate(HKEY root, LPCTSTR path, BOOL openOnly, REGSAM access, HKEY* result)
    {
        *result = NULL;
        if (openOnly)
            return ::RegOpenKeyExA(root, path, 0, access, result);
        char emptyClass[] = "";
        return ::RegCreateKeyExA(root, path, 0, emptyClass, 0, access, NULL, result, NULL);
    }
}

void SetAppRegistryKey(LPCTSTR path, HKEY root)
{
    AppKeyPath() = path != NULL ? path : "";
    defaultRoot = root;
}

const CString& GetAppRegistryKeyPath()
{
    return AppKeyPath();
}

HKEY GetDefaultRegistryRoot()
{
    return defaultRoot;
}

BOOL OpenRegistryKey(LPCTSTR subKey, CRegistryKey& key, BOOL openOnly,
                     REGSAM access, REGSAM extraAccess, LPCTSTR basePath, HKEY root)
{
    CString path = basePath != NULL ? CString(basePath) : AppKeyPath();
    if (subKey != NULL)
        path += subKey;
    if (root == NULL)
        root = defaultRoot;

    HKEY hKey = NULL;
    LONG result = OpenOrCreate(root, path, openOnly, access | extraAccess, &hKey);
    if (result == ERROR_ACCESS_DENIED)
        result = OpenOrCreate(root, path, openOnly, access, &hKey);

    key.Attach(result == ERROR_SUCCESS ? hKey : NULL);
    return result == ERROR_SUCCESS;
}

void ReleaseAppRegistryKey()
{
    appKeyPath.reset();
}
