#pragma once

#include "afx/core/AfxCore.h"

class CRegistryKey;

// The application's own registry key: "Software\Mirolf Technologies Ltd\<AppDir>"
// once start-up has set it, and the root key it lives under.
void SetAppRegistryKey(LPCTSTR path, HKEY root);
const CString& GetAppRegistryKeyPath();
HKEY GetDefaultRegistryRoot();

// Opens (or, unless openOnly is set, creates) basePath + subKey, where a null
// basePath means the application key path. A null root means the default root.
BOOL OpenRegistryKey(LPCTSTR subKey, CRegistryKey& key, BOOL openOnly,
                     REGSAM access, REGSAM extraAccess, LPCTSTR basePath, HKEY root);

// Releases the application key path at exit.
void ReleaseAppRegistryKey();
