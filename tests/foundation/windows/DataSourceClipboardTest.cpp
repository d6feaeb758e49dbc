#include "afx/ole/OleDataSource.h"
#include "foundation/windows/Clipboard.h"

#include "support/ClipboardHolder.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
    // A data source that says when the last reference to it has gone.
    class CWatchedSource : public COleDataSource
    {
    public:
        explicit CWatchedSource(bool* deleted) : m_pDeleted(deleted) { *deleted = false; }
        ~CWatchedSource() override { *m_pDeleted = true; }

    private:
        bool* m_pDeleted;
    };

    FORMATETC TextFormat(CLIPFORMAT format = CF_TEXT)
    {
        FORMATETC etc = {format, NULL, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        return etc;
    }

    // The text that a data object gives for CF_TEXT, or "<none>".
    std::string TextOf(IDataObject* data)
    {
        FORMATETC format = TextFormat();
        STGMEDIUM medium;
        if (data->GetData(&format, &medium) != S_OK)
            return "<none>";
        std::string text((const char*)::GlobalLock(medium.hGlobal));
        ::GlobalUnlock(medium.hGlobal);
        ::ReleaseStgMedium(&medium);
        return text;
    }

    class DataSourceClipboardTest : public ::testing::Test
    {
    protected:
        void SetUp() override { ASSERT_TRUE(SUCCEEDED(::OleInitialize(NULL))); }
        void TearDown() override { ::OleUninitialize(); }
    };
}

TEST_F(DataSourceClipboardTest, TextsAreCachedWithTheirZeroAndGivenOutAsCopies)
{
    COleDataSource source;
    EXPECT_EQ(CacheTextInDataSource(&source, "", CF_TEXT), 0);
    EXPECT_EQ(CacheTextInDataSource(&source, NULL, CF_TEXT), 0);
    EXPECT_EQ(source.GetCachedCount(), 0);

    EXPECT_EQ(CacheTextInDataSource(&source, "Bella\nB/b\r\n", CF_TEXT), 1);
    IDataObject* data = source.GetDataObject();
    FORMATETC text = TextFormat();
    FORMATETC unicode = TextFormat(CF_UNICODETEXT);
    EXPECT_EQ(data->QueryGetData(&text), S_OK);
    EXPECT_NE(data->QueryGetData(&unicode), S_OK);

    STGMEDIUM first, second;
    ASSERT_EQ(data->GetData(&text, &first), S_OK);
    ASSERT_EQ(data->GetData(&text, &second), S_OK);
    EXPECT_NE(first.hGlobal, second.hGlobal);
    EXPECT_GE(::GlobalSize(first.hGlobal), 12u);
    EXPECT_EQ(std::string((const char*)::GlobalLock(first.hGlobal)), "Bella\nB/b\r\n");
    ::GlobalUnlock(first.hGlobal);
    ::ReleaseStgMedium(&first);
    ::ReleaseStgMedium(&second);

    // A second text under the same format replaces the first.
    EXPECT_EQ(CacheTextInDataSource(&source, "Dudley", CF_TEXT), 1);
    EXPECT_EQ(source.GetCachedCount(), 1);
    EXPECT_EQ(TextOf(data), "Dudley");

    IEnumFORMATETC* formats = NULL;
    ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, &formats), S_OK);
    FORMATETC listed;
    ULONG fetched = 0;
    EXPECT_EQ(formats->Next(1, &listed, &fetched), S_OK);
    EXPECT_EQ(listed.cfFormat, CF_TEXT);
    EXPECT_NE(formats->Next(1, &listed, &fetched), S_OK);
    formats->Release();
}

TEST_F(DataSourceClipboardTest, TheClipboardTakesTheSourceAndLetsGoOfItWhenFlushed)
{
    bool deleted = false;
    CWatchedSource* source = new CWatchedSource(&deleted);
    ASSERT_EQ(CacheTextInDataSource(source, "Sire: Ch. Kestrel\nDam: Vodi", CF_TEXT), 1);
    ASSERT_TRUE(SetClipboardFromDataSource(source));
    EXPECT_FALSE(deleted);
    EXPECT_EQ(COleDataSource::GetClipboardOwner(), source);

    IDataObject* onClipboard = NULL;
    ASSERT_EQ(::OleGetClipboard(&onClipboard), S_OK);
    EXPECT_EQ(TextOf(onClipboard), "Sire: Ch. Kestrel\nDam: Vodi");
    onClipboard->Release();

    // Flushing renders the text for every program and releases the source.
    COleDataSource::FlushClipboard();
    EXPECT_TRUE(deleted);
    EXPECT_EQ(COleDataSource::GetClipboardOwner(), (COleDataSource*)NULL);
    ASSERT_TRUE(::OpenClipboard(NULL));
    HANDLE block = ::GetClipboardData(CF_TEXT);
    ASSERT_NE(block, (HANDLE)NULL);
    EXPECT_EQ(std::string((const char*)::GlobalLock(block)), "Sire: Ch. Kestrel\nDam: Vodi");
    ::GlobalUnlock(block);
    ::CloseClipboard();
}

TEST_F(DataSourceClipboardTest, AClipboardHeldElsewhereGivesFalseAndFreesTheSource)
{
    CClipboardHolder holder;
    bool deleted = false;
    CWatchedSource* source = new CWatchedSource(&deleted);
    CacheTextInDataSource(source, "report", CF_TEXT);
    EXPECT_FALSE(SetClipboardFromDataSource(source));
    EXPECT_TRUE(deleted);
    EXPECT_EQ(COleDataSource::GetClipboardOwner(), (COleDataSource*)NULL);
}
