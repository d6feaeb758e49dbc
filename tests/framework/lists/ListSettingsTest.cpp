#include "framework/lists/ListWindowExtents.h"
#include "framework/lists/PersistedList.h"

#include "afx/files/Archive.h"
#include "afx/files/ArchiveException.h"
#include "afx/files/File.h"
#include "foundation/settings/AppRegistryKey.h"
#include "foundation/settings/RegistryKey.h"
#include "foundation/settings/SettingsExchangers.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/ScratchFolder.h"
#include "support/TestRegistryKey.h"

#include <gtest/gtest.h>

TEST(ListWindowExtentsTest, OnlyANewValueMarksTheSettingsChanged)
{
    GetListWindowExtents().RemoveAll();
    const struct
    {
        const char* name;
        int extent;
        bool changed;
    } steps[] = {{"Litters", 0, false}, {"Litters", 0, false}, {"Litters", 120, true}, {"Litters", 120, false},
                 {"Dams", 80, true},    {"Dams", 0, true}};
    for (const auto& s : steps)
    {
        SettingsChangedFlag = FALSE;
        SetListWindowExtent(s.name, s.extent);
        EXPECT_EQ(SettingsChangedFlag != FALSE, s.changed) << s.name << " " << s.extent;
        EXPECT_EQ(GetListWindowExtent(s.name), s.extent);
    }
    int extent = -1;
    EXPECT_TRUE(GetListWindowExtents().Lookup("Litters", extent)); // a 0 set to a new name is kept
    EXPECT_EQ(GetListWindowExtent("litters"), 0);                 // names compare exactly
    SettingsChangedFlag = FALSE;
}

TEST(ListWindowExtentsTest, ExtentsGoThroughTheProfile)
{
    CFrameworkTestApp app;
    app.WriteProfileString(LIST_WINDOWS_SECTION, NULL, NULL);
    GetListWindowExtents().RemoveAll();
    SetListWindowExtent("Litters", 140);
    SetListWindowExtent("Sires", -3);
    ExchangeListWindowExtents(0, FALSE);
    GetListWindowExtents().RemoveAll();
    ExchangeListWindowExtents(0, TRUE);
    EXPECT_EQ(GetListWindowExtent("Litters"), 140);
    EXPECT_EQ(GetListWindowExtent("Sires"), -3);
    EXPECT_EQ(GetListWindowExtents().GetCount(), 2);
    app.WriteProfileString(LIST_WINDOWS_SECTION, NULL, NULL);
    GetListWindowExtents().RemoveAll();
    SettingsChangedFlag = FALSE;
}

namespace
{
class PersistedListTest : public ::testing::Test
{
protected:
    CTestRegistryKey m_test{"Persisted List Test"};
    CScratchFolder m_folder{"persistedlist"};

    void OpenKey(CRegistryKey& key)
    {
        CString base = CString(m_test.Path().c_str()) + "\\";
        ASSERT_TRUE(OpenRegistryKey("List", key, FALSE, KEY_READ | KEY_WRITE, 0, base, HKEY_CURRENT_USER));
    }
    static void Fill(CPersistedList& list, DWORD mode, int maxCount, std::initializer_list<const char*> texts)
    {
        list.m_mode = mode;
        list.m_maxCount = maxCount;
        for (const char* text : texts)
            list.m_texts.Add(text);
    }
    static std::string Joined(const CPersistedList& list)
    {
        std::string joined;
        for (int i = 0; i < list.m_texts.GetSize(); ++i)
            joined += std::string(i > 0 ? "|" : "") + (LPCTSTR)list.m_texts[i];
        return joined;
    }
};
}

TEST_F(PersistedListTest, ArchiveRoundTripAndAWrongVersionByte)
{
    CString path = (m_folder / "list.bin").c_str();
    CPersistedList stored;
    Fill(stored, 7, 5, {"Bella", "Rex"});
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        CArchive ar(&file, CArchive::store);
        stored.Serialize(ar);
    }
    CPersistedList loaded;
    {
        CFile file(path, CFile::modeRead | CFile::typeBinary);
        CArchive ar(&file, CArchive::load);
        loaded.Serialize(ar);
    }
    EXPECT_EQ(loaded.m_mode, 7u);
    EXPECT_EQ(loaded.m_maxCount, 5);
    EXPECT_EQ(Joined(loaded), "Bella|Rex");

    m_folder.WriteFile("list.bin", std::string("\x02\0\0\0\0\0\0\0\0\0", 10));
    CFile file(path, CFile::modeRead | CFile::typeBinary);
    CArchive ar(&file, CArchive::load);
    int cause = -1;
    try
    {
        loaded.Serialize(ar);
    }
    catch (CArchiveException* e)
    {
        cause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(cause, (int)CArchiveException::generic);
}

TEST_F(PersistedListTest, RegistryValuesAreCheckedAgainstTheirRanges)
{
    const struct
    {
        DWORD max, count;
        int expectedMax;
        const char* expectedTexts;
    } cases[] = {{3, 2, 3, "a|b"}, {12, 2, 9, "a|b"}, {0, 1, 9, "a"}, {3, 4, 3, ""}, {2, 0, 2, ""}};
    for (const auto& c : cases)
    {
        CRegistryKey key;
        OpenKey(key);
        key.SetDWord("Max", c.max);
        key.SetDWord("Count", c.count);
        for (const char* item : {"Item0", "Item1", "Item2", "Item3"})
            key.SetString(item, std::string(1, (char)('a' + (item[4] - '0'))).c_str());
        CPersistedList list;
        Fill(list, 0, 9, {"old"});
        EXPECT_TRUE(list.ExchangeRegistry(FALSE, key));
        EXPECT_EQ(list.m_maxCount, c.expectedMax) << c.max << "/" << c.count;
        EXPECT_EQ(Joined(list), c.expectedTexts) << c.max << "/" << c.count;
    }
}

TEST_F(PersistedListTest, RegistryRoundTripKeepsNoMoreTextsThanCanLoad)
{
    const struct
    {
        int maxCount;
        std::initializer_list<const char*> texts;
        const char* expected;
    } cases[] = {{9, {"Bella", "", "Rex"}, "Bella||Rex"}, {2, {"a", "b", "c"}, "a|b"}, {9, {}, ""}};
    for (const auto& c : cases)
    {
        CRegistryKey key;
        OpenKey(key);
        CPersistedList stored, loaded;
        Fill(stored, 3, c.maxCount, c.texts);
        EXPECT_TRUE(stored.ExchangeRegistry(TRUE, key));
        EXPECT_TRUE(loaded.ExchangeRegistry(FALSE, key));
        EXPECT_EQ(loaded.m_mode, 3u);
        EXPECT_EQ(loaded.m_maxCount, c.maxCount);
        EXPECT_EQ(Joined(loaded), c.expected);
    }
}
