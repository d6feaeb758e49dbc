// Micro-benchmark of the framework layer's text and map operations. Run by
// hand; prints nanoseconds per operation.
#include <stdio.h>

#include "afx/core/AfxCore.h"
#include "tools/programs/BenchTimer.h"

namespace
{
template <class BODY>
void Measure(const char* name, int nOperations, BODY body)
{
    double start = BenchSeconds();
    long long checksum = body();
    double elapsed = BenchSeconds() - start;
    printf("%-46s %10.1f ns/op  (%d ops, check %lld)\n", name, elapsed * 1e9 / nOperations,
           nOperations, checksum);
}

// Keys in the form of terminology names: "Term0" ... "TermN".
CStringArray g_keys;

void MakeKeys(int nKeys)
{
    g_keys.SetSize(0, nKeys);
    for (int i = 0; i < nKeys; ++i)
    {
        CString key;
        key.Format("Term%d", i);
        g_keys.Add(key);
    }
}

template <class MAP>
void MeasureLookups(const char* name, MAP& map, int nRounds)
{
    for (INT_PTR i = 0; i < g_keys.GetSize(); ++i)
        map.SetAt(g_keys[i], g_keys[i]);
    int nOperations = nRounds * (int)g_keys.GetSize();
    Measure(name, nOperations, [&]() {
        long long found = 0;
        CString value;
        for (int round = 0; round < nRounds; ++round)
        {
            for (INT_PTR i = 0; i < g_keys.GetSize(); ++i)
                found += map.Lookup(g_keys[i], value) ? value.GetLength() : 0;
        }
        return found;
    });
}
} // namespace

int main()
{
    const int kAppends = 1000000;
    Measure("CString += char (1M chars)", kAppends, []() {
        CString s;
        for (int i = 0; i < kAppends; ++i)
            s += (TCHAR)('a' + i % 26);
        return (long long)s.GetLength();
    });
    Measure("CString += 10-char text (1M)", kAppends, []() {
        CString s;
        for (int i = 0; i < kAppends; ++i)
            s += "0123456789";
        return (long long)s.GetLength();
    });
    Measure("CString a + b + c, short texts (1M)", kAppends, []() {
        CString a("Maternal "), b("genotype"), c(": ");
        long long total = 0;
        for (int i = 0; i < kAppends; ++i)
            total += (a + b + c).GetLength();
        return total;
    });
    Measure("CString copy and write (copy-on-write, 1M)", kAppends, []() {
        CString original("A text of forty characters for copying.");
        long long total = 0;
        for (int i = 0; i < kAppends; ++i)
        {
            CString copy(original);
            copy.SetAt(0, 'a');
            total += copy[0];
        }
        return total;
    });
    Measure("CString::Format(\"%s %d\") (1M)", kAppends, []() {
        CString s;
        long long total = 0;
        for (int i = 0; i < kAppends; ++i)
        {
            s.Format("%s %d", "value", i);
            total += s.GetLength();
        }
        return total;
    });

    MakeKeys(1000);
    CMapStringToString map17;
    MeasureLookups("CMapStringToString lookup, 1000 keys, 17 buckets", map17, 200);
    CMapStringToString map1009;
    map1009.InitHashTable(1009);
    MeasureLookups("CMapStringToString lookup, 1000 keys, 1009", map1009, 200);

    CMap<CString, LPCTSTR, int, int> numbers;
    numbers.InitHashTable(1009);
    for (INT_PTR i = 0; i < g_keys.GetSize(); ++i)
        numbers[g_keys[i]] = (int)i;
    Measure("CMap<CString,int> lookup, 1000 keys, 1009", 200000, [&]() {
        long long total = 0;
        int value = 0;
        for (int round = 0; round < 200; ++round)
        {
            for (INT_PTR i = 0; i < g_keys.GetSize(); ++i)
                total += numbers.Lookup(g_keys[i], value) ? value : 0;
        }
        return total;
    });
    Measure("CMapStringToString insert+remove 1000 (x200)", 400000, []() {
        CMapStringToString map;
        map.InitHashTable(1009);
        long long total = 0;
        for (int round = 0; round < 200; ++round)
        {
            for (INT_PTR i = 0; i < g_keys.GetSize(); ++i)
                map.SetAt(g_keys[i], "x");
            total += map.GetCount();
            for (INT_PTR i = 0; i < g_keys.GetSize(); ++i)
                map.RemoveKey(g_keys[i]);
        }
        return total;
    });
    return 0;
}
