#include "framework/lists/ListWindowExtents.h"

#include "foundation/settings/ProfileExchange.h"
#include "foundation/settings/SettingsExchangers.h"

CNumberMap& GetListWindowExtents()
{
    static CNumberMap extents(10); // 17 buckets
    return extents;
}

int ExchangeListWindowExtents(DWORD, BOOL load)
{
    int changed = 0;
    const CNumberMap none(10);
    ExchangeProfileMap(&changed, load, LIST_WINDOWS_SECTION, LIST_WINDOWS_ENTRY, &none, GetListWindowExtents(), NULL);
    return changed;
}

int GetListWindowExtent(LPCTSTR name)
{
    int extent = 0;
    return GetListWindowExtents().Lookup(name, extent) ? extent : 0;
}

void SetListWindowExtent(LPCTSTR name, int extent)
{
    if (GetListWindowExtent(name) != extent)
        SettingsChangedFlag = TRUE;
    GetListWindowExtents()[name] = extent;
}
