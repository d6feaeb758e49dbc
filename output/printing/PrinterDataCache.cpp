#include "output/printing/PrinterDataCache.h"

#include "output/printing/PrinterProblems.h"
#include "output/printing/PrinterData.h"
#include "output/printing/PrinterPaperConfig.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace
{
struct CacheEntry
{
    std::unique_ptr<CPrinterPaperConfig> config;
    std::unique_ptr<CPrinterData> data;
    int mode;
    int useCount;
};

std::vector<CacheEntry>& Entries()
{
    static std::vector<CacheEntry> entries;
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
    std::vector<CacheEntry>& entries = Entries();
    for (size_t i = 0; i < entries.size(); ++i)
    {
        if (entries[i].mode != mode || !entries[i].config->IsEqual(&config))
            continue;
        if (i != 0)
            std::swap(entries[0], entries[i]);
        ++entries[0].useCount;
        return entries[0].data.get();
    }

    auto data = std::make_unique<CPrinterData>();
    CString problem = data->CreateForConfig(config, mode);
    if (!problem.IsEmpty())
    {
        if (error != NULL)
            *error = problem;
        return NULL;
    }
    auto copy = std::make_unique<CPrinterPaperConfig>();
    copy->CopyFrom(config);
    entries.insert(entries.begin(), CacheEntry{std::move(copy), std::move(data), mode, 1});
    return entries.front().data.get();
}

void ReleasePrinterData(CPrinterData* data)
{
    if (data == NULL)
        return;
    for (CacheEntry& entry : Entries())
        if (entry.data.get() == data)
        {
            // A second release of the same holder leaves the count at 0.
            if (entry.useCount > 0)
                --entry.useCount;
            return;
        }
}

void FreePrinterDataCache()
{
    std::vector<CacheEntry>& entries = Entries();
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [](const CacheEntry& entry) { return entry.useCount == 0; }),
                  entries.end());
    CachedPaperNames().RemoveAll();
    CachedTrayNames().RemoveAll();
}

int GetPrinterDataCacheSize()
{
    return (int)Entries().size();
}

CPrinterData* GetCachedPrinterData(int index, int* useCount)
{
    const CacheEntry& entry = Entries()[index];
    if (useCount != NULL)
        *useCount = entry.useCount;
    return entry.data.get();
}
