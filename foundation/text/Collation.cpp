#include "foundation/text/Collation.h"

#include <cctype>

namespace
{
int CollationTablesBuilt = 0;
unsigned char CollatingOrder[256];
unsigned char CollatingOrderNoCase[256];
unsigned char UpperCaseMap[256];

// Runs of a base character followed by the codes that rank as it, each run
// ended by 0; a 0 in place of a base ends the list.
const int CollationRun[] = {
    97, 170, 224, 225, 226, 227, 228, 229, 230, 0,
    101, 232, 233, 234, 235, 0,
    105, 236, 237, 238, 239, 0,
    111, 156, 186, 242, 243, 244, 245, 246, 248, 0,
    117, 181, 249, 250, 251, 252, 0,
    99, 162, 231, 0,
    110, 241, 0,
    121, 253, 255, 0,
    115, 154, 223, 0,
    116, 240, 254, 0,
    120, 215, 0,
    122, 158, 0,
    102, 131, 0,
    65, 192, 193, 194, 195, 196, 197, 198, 0,
    69, 200, 201, 202, 203, 0,
    73, 204, 205, 206, 207, 0,
    79, 140, 210, 211, 212, 213, 214, 216, 0,
    85, 217, 218, 219, 220, 0,
    84, 208, 222, 0,
    78, 209, 0,
    89, 159, 165, 221, 0,
    83, 138, 0,
    90, 142, 0,
    0};

inline void EnsureTables()
{
    if (CollationTablesBuilt == 0)
        InitCollationTables();
}

int CompareByRanks(const unsigned char* a, const unsigned char* b, const unsigned char* rank)
{
    for (;; ++a, ++b)
    {
        int d = (int)rank[*a] - (int)rank[*b];
        if (d != 0)
            return d < 0 ? -1 : 1;
        if (*b == 0)
            return 0;
    }
}
}

void InitCollationTables()
{
    for (int c = 0; c < 256; ++c)
        CollatingOrder[c] = (unsigned char)c;
    for (const int* p = CollationRun; *p != 0;)
    {
        int base = *p++;
        while (*p != 0)
            CollatingOrder[*p++] = (unsigned char)base;
        ++p;
    }

    for (int c = 0; c < 256; ++c)
    {
        unsigned char rank = CollatingOrder[c];
        CollatingOrderNoCase[c] = (rank >= 'a' && rank <= 'z') ? (unsigned char)(rank - 32) : rank;
    }

    for (int c = 0; c < 256; ++c)
        UpperCaseMap[c] = (unsigned char)c;
    for (int c = 1; c < 128; ++c)
        UpperCaseMap[c] = (unsigned char)toupper(c);
    for (int c = 192; c <= 222; ++c)
        UpperCaseMap[c + 32] = (unsigned char)c;
    UpperCaseMap[255] = 159;
    UpperCaseMap[154] = 138;
    UpperCaseMap[156] = 140;

    CollationTablesBuilt = 1;
}

int CollateCompare(const char* a, const char* b)
{
    EnsureTables();
    return CompareByRanks((const unsigned char*)a, (const unsigned char*)b, CollatingOrder);
}

int CollateCompareNoCase(const char* a, const char* b)
{
    EnsureTables();
    return CompareByRanks((const unsigned char*)a, (const unsigned char*)b, CollatingOrderNoCase);
}

int IsLowerCaseChar(int code)
{
    EnsureTables();
    if (code < 0)
        code &= 0xFF;
    if (code < 128)
        return islower(code) ? 1 : 0;
    if (code > 255)
        code = 255;
    return UpperCaseMap[code] != code ? 1 : 0;
}
