#include "output/printing/PrinterDataCache.h"

#include "output/printing/PrinterProblems.h"
#include "output/printing/PrinterData.h"
#include "output/printing/PrinterPaperConfig.h"


namespace
{
struct CacheEntry
{
    CPrinterPaperConfig* config;
    CPrinterData* data;
    int mode;
    int useCount;
};

CArray<CacheEntry, const CacheEntry&>& Entries()
{
    static CArray<CacheEntry, const CacheEntry&> entries;
    return entries;
}
} // namespace

CNamedStringMap& CachedPaperNames()
{
    static CNamedStringMap names;
    return names;
}

CNamedStringMap& CachedTrayNames()
{
    static CNamedStringMap names;
    return names;
}

BOOL ShouldReportPrinterProblem()
{
    BOOL report = MayReportPrinterProblem();
    NotePrinterProblemReported();
    return report;
}

CPrinterData* GetPrinterData(const CPrinterPaperConfig& config, int mode, CString* error)
{
    if (error != NULL)
        error->Empty();
    CArray<CacheEntry, const CacheEntry&>& entries = Entries();
    for (int i = 0; i < entries.GetSize(); ++i)
    {
        if (entries[i].mode != mode || !entries[i].config->IsEqual(&config))
            continue;
        if (i != 0)
        {
            CacheEntry first = entries[0];
            entries[0] = entries[i];
            entries[i] = first;
        }
        ++entries[0].useCount;
        return entries[0].data;
    }

    CPrinterData* data = new CPrinterData;
    CString problem = data->CreateForConfig(config, mode);
    if (!problem.IsEmpty())
    {
        delete data;
        if (error != NULL)
            *error = problem;
        return NULL;
    }
    CPrinterPaperConfig* copy = new CPrinterPaperConfig;
    copy->CopyFrom(config);
    entries.InsertAt(0, CacheEntry{copy, data, mode, 1});
    return data;
}

void ReleasePrinterData(CPrinterData* data)
{
    if (data == NULL)
        return;
    CArray<CacheEntry, const CacheEntry&>& entries = Entries();
    for (int i = 0; i < entries.GetSize(); ++i)
        if (entries[i].data == data)
        {
            // A second release of the same holder leaves the count at 0.
            if (entries[i].useCount > 0)
                --entries[i].useCount;
            return;
        }
}

void FreePrinterDataCache()
{
    CArray<CacheEntry, const CacheEntry&>& entries = Entries();
    for (int i = 0; i < entries.GetSize();)
    {
        if (entries[i].useCount > 0)
        {
            ++i;
            continue;
        }
        delete entries[i].data;
        delete entries[i].config;
        entries.RemoveAt(i);
    }
    CachedPaperNames().RemoveAll();
    CachedTrayNames().RemoveAll();
}

int GetPrinterDataCacheSize()
{
    return (int)Entries().GetSize();
}

CPrinterData* GetCachedPrinterData(int index, int* useCount)
{
    const CacheEntry& entry = Entries()[index];
    if (useCount != NULL)
        *useCount = entry.useCount;
    return entry.data;
}
