// The hashed maps: look-up, removal, and the iteration order that stored map
// texts depend on (buckets from 0 upward, each chain newest first).
#include <gtest/gtest.h>

#include "afx/core/AfxCore.h"

namespace
{
template <class MAP>
CString KeysInOrder(const MAP& map)
{
    CString keys;
    POSITION pos = map.GetStartPosition();
    while (pos != NULL)
    {
        CString key;
        CString value;
        map.GetNextAssoc(pos, key, value);
        keys += key;
        keys += ' ';
    }
    keys.TrimRight();
    return keys;
}

// A string map that exposes its internals the way program code may use them.
class CInspectableMap : public CMap<CString, LPCTSTR, int, int>
{
public:
    UINT Bucket(LPCTSTR key) const { return HashKey(key) % m_nHashTableSize; }
    bool HasTable() const { return m_pHashTable != NULL; }
    INT_PTR BlockSize() const { return m_nBlockSize; }
};

const char* const kKeys[] = {"a", "b", "ab", "x", "r", "\xE9" "a", "ba"};
} // namespace

TEST(MapLookup, SetLookupReplaceAndRemove)
{
    CMapStringToString map;
    EXPECT_TRUE(map.IsEmpty());
    map.SetAt("Colour", "Color");
    map["Grey"] = "Gray";
    map.SetAt("Colour", "Colour");
    EXPECT_EQ(2, map.GetCount());
    CString value;
    EXPECT_TRUE(map.Lookup("Colour", value));
    EXPECT_STREQ("Colour", value);
    EXPECT_FALSE(map.Lookup("colour", value)); // case-sensitive
    EXPECT_FALSE(map.RemoveKey("absent"));
    EXPECT_TRUE(map.RemoveKey("Grey"));
    EXPECT_FALSE(map.Lookup("Grey", value));
    EXPECT_EQ(1, map.GetCount());
    map.RemoveAll();
    EXPECT_EQ(NULL, map.GetStartPosition());
    EXPECT_FALSE(map.Lookup("Colour", value));
}

TEST(MapLookup, TextKeysHashAsSignedBytes)
{
    CInspectableMap map;
    // h = h * 33 + c from 0; "\xE9a" is (-23) * 33 + 97 with signed bytes.
    EXPECT_EQ(12u, map.Bucket("a"));
    EXPECT_EQ(1u, map.Bucket("ab"));
    EXPECT_EQ(2u, map.Bucket("\xE9" "a"));
    map.InitHashTable(1009);
    EXPECT_EQ(730u, map.Bucket("\xE9" "a"));
    EXPECT_EQ(568u, map.Bucket("Colour"));
}

TEST(MapOrder, BucketsUpwardAndNewestFirstInABucket)
{
    CMapStringToString map;
    for (const char* key : kKeys)
        map.SetAt(key, "v");
    EXPECT_STREQ("x ab \xE9" "a r a b ba", KeysInOrder(map));

    // Replacing a value keeps the position; removal unlinks only that key.
    map.SetAt("a", "w");
    map.RemoveKey("x");
    EXPECT_STREQ("ab \xE9" "a r a b ba", KeysInOrder(map));
}

TEST(MapOrder, LargerTableChangesTheOrder)
{
    CMap<CString, LPCTSTR, CString, LPCTSTR> map;
    map.InitHashTable(1009);
    for (const char* key : kKeys)
        map[key] = key;
    EXPECT_EQ(1009u, map.GetHashTableSize());
    EXPECT_STREQ("a b r x ab ba \xE9" "a", KeysInOrder(map));
}

TEST(MapLifecycle, TableMadeOnFirstInsertionAndKeptSizeAfterEmptying)
{
    CInspectableMap map;
    EXPECT_FALSE(map.HasTable());
    EXPECT_EQ(10, map.BlockSize());
    map.InitHashTable(31, FALSE);
    EXPECT_FALSE(map.HasTable());
    map["k"] = 1;
    EXPECT_TRUE(map.HasTable());
    map.RemoveKey("k"); // the last removal frees everything
    EXPECT_FALSE(map.HasTable());
    EXPECT_EQ(31u, map.GetHashTableSize());
    map["k"] = 2;
    EXPECT_EQ(2, map["k"]);
}

TEST(MapLifecycle, ManyEntriesAcrossBlocks)
{
    CMap<UINT, UINT, UINT, UINT> map(4);
    for (UINT i = 0; i < 1000; ++i)
        map[i * 7] = i;
    EXPECT_EQ(1000, map.GetCount());
    for (UINT i = 0; i < 1000; i += 2)
        EXPECT_TRUE(map.RemoveKey(i * 7));
    EXPECT_EQ(500, map.GetCount());
    UINT value = 0;
    EXPECT_TRUE(map.Lookup(7 * 999, value));
    EXPECT_EQ(999u, value);
    EXPECT_FALSE(map.Lookup(0, value));
    int nSeen = 0;
    for (POSITION pos = map.GetStartPosition(); pos != NULL; ++nSeen)
    {
        UINT key = 0, val = 0;
        map.GetNextAssoc(pos, key, val);
        EXPECT_EQ(key, val * 7);
    }
    EXPECT_EQ(500, nSeen);
}

TEST(MapLifecycle, ResizingAFilledTableKeepsItsEntries)
{
    CMapStringToPtr map;
    int values[3];
    map.SetAt("one", &values[0]);
    map.SetAt("two", &values[1]);
    map.SetAt("three", &values[2]);
    map.InitHashTable(1009);
    void* p = NULL;
    EXPECT_TRUE(map.Lookup("two", p));
    EXPECT_EQ(&values[1], p);
    EXPECT_EQ(3, map.GetCount());
}

TEST(MapPointerKeys, PointerAndWordMaps)
{
    CMapPtrToPtr ptrs;
    int a, b;
    ptrs.SetAt(&a, &b);
    ptrs[&b] = &a;
    void* found = NULL;
    EXPECT_TRUE(ptrs.Lookup(&a, found));
    EXPECT_EQ(&b, found);
    EXPECT_TRUE(ptrs.RemoveKey(&b));
    EXPECT_EQ(1, ptrs.GetCount());

    CMapWordToPtr words;
    words.SetAt(0xFFFF, &a);
    EXPECT_TRUE(words.Lookup(0xFFFF, found));
    EXPECT_EQ(&a, found);
    EXPECT_FALSE(words.Lookup(0, found));

    CMap<HWND, HWND, CString, LPCTSTR> windows;
    windows[(HWND)0x1234] = "tip";
    CString text;
    EXPECT_TRUE(windows.Lookup((HWND)0x1234, text));
    EXPECT_STREQ("tip", text);
}
