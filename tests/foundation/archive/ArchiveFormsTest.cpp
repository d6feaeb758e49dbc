// Stored forms of byte buffers and bit sets, and archives damaged in many
// random ways: refused with an archive exception, never a crash, hang or
// an allocation the file cannot back.
#include <gtest/gtest.h>

#include "afx/files/Archive.h"
#include "afx/files/File.h"
#include "foundation/archive/NamedTextItem.h"
#include "foundation/archive/NamedTextItemList.h"
#include "foundation/containers/BitSet.h"
#include "foundation/files/ByteBuffer.h"
#include "tests/support/ScratchFolder.h"

#include <atomic>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace
{
using Bytes = std::vector<BYTE>;

// A record that carries every stored form; each one made is remembered so
// that a test can free what a failed load left behind.
class CFormsRecord : public CObject
{
    DECLARE_SERIAL(CFormsRecord)
public:
    static std::set<CFormsRecord*>& Live()
    {
        static std::set<CFormsRecord*> live;
        return live;
    }
    CFormsRecord() { Live().insert(this); }
    ~CFormsRecord() override { Live().erase(this); }

    CByteBuffer m_content;
    CBitSet m_bits;
    CString m_strName;
    DWORD m_nValue = 0;
    CObject* m_pLink = nullptr;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_nValue << m_strName;
        else
            ar >> m_nValue >> m_strName;
        m_content.Serialize(ar);
        m_bits.Serialize(ar);
        if (ar.IsStoring())
            ar << m_pLink;
        else
            m_pLink = ar.ReadObject(RUNTIME_CLASS(CFormsRecord));
    }
};
IMPLEMENT_SERIAL(CFormsRecord, CObject, 1)

class ArchiveFormsTest : public ::testing::Test
{
protected:
    CScratchFolder m_folder{"archiveforms"};
    CString m_path = (m_folder / "f.bin").c_str();

    Bytes Store(const std::function<void(CArchive&)>& body)
    {
        {
            CFile file(m_path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
            CArchive ar(&file, CArchive::store);
            body(ar);
        }
        CFile file(m_path, CFile::modeRead | CFile::typeBinary);
        Bytes bytes(file.GetLength());
        file.Read(bytes.data(), (UINT)bytes.size());
        return bytes;
    }
    void Put(const Bytes& bytes) { m_folder.WriteFile("f.bin", std::string(bytes.begin(), bytes.end())); }
    // The cause of the archive exception the load raised; none when it loaded.
    int LoadCause(const std::function<void(CArchive&)>& body)
    {
        CFile file(m_path, CFile::modeRead | CFile::typeBinary);
        CArchive ar(&file, CArchive::load, 512);
        try
        {
            body(ar);
        }
        catch (CArchiveException* e)
        {
            int cause = e->m_cause;
            e->Delete();
            return cause;
        }
        return CArchiveException::none;
    }
};
} // namespace

TEST_F(ArchiveFormsTest, ByteBufferAndBitSetFormsRoundTrip)
{
    CByteBuffer buffer;
    buffer.SetSize(5);
    memcpy(buffer.GetData(), "hello", 5);
    CBitSet bits, empty;
    bits.SetSize(10);
    bits.Set(0, TRUE);
    bits.Set(9, TRUE);
    Bytes bytes = Store([&](CArchive& ar) {
        buffer.Serialize(ar);
        bits.Serialize(ar);
        empty.Serialize(ar);
    });
    const Bytes expected = {1,    5,    0, 0, 0, 'h', 'e', 'l', 'l', 'o', 1, 10, 0, 0, 0,
                            0x01, 0x02, 2, 0, 0, 0,   1,   0,   0,   0,   0, 0,  0, 0, 0};
    EXPECT_EQ(expected, bytes);

    // The stored set-bit count is kept as it stands, not recounted.
    Bytes changed = bytes;
    changed[17] = 9;
    Put(changed);
    CByteBuffer lb;
    CBitSet lbits, lempty;
    EXPECT_EQ(CArchiveException::none, LoadCause([&](CArchive& ar) {
                  lb.Serialize(ar);
                  lbits.Serialize(ar);
                  lempty.Serialize(ar);
              }));
    EXPECT_EQ(0, memcmp(lb.GetData(), "hello", 5));
    EXPECT_EQ(5u, lb.GetLength());
    EXPECT_EQ(10u, lbits.GetSize());
    EXPECT_TRUE(lbits.Test(0) && lbits.Test(9) && !lbits.Test(5));
    EXPECT_EQ(9, lbits.GetSetCount());
    EXPECT_EQ(0u, lempty.GetSize());
}

TEST_F(ArchiveFormsTest, DamagedFormsAreRefusedWithTheirCause)
{
    struct Case
    {
        Bytes bytes;
        bool bitSet;
        int cause;
    };
    const Case cases[] = {
        {{2, 0, 0, 0, 0}, false, CArchiveException::generic},
        {{1, 4, 0, 0, 0, 'a'}, false, CArchiveException::endOfFile},
        {{1, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}, false, CArchiveException::endOfFile},
        {{1, 2}, false, CArchiveException::endOfFile},
        {{0, 0, 0, 0, 0, 0, 0, 0, 0}, true, CArchiveException::generic},
        {{1, 0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 0}, true, CArchiveException::generic},
    };
    for (const Case& c : cases)
    {
        Put(c.bytes);
        CByteBuffer buffer;
        CBitSet bits;
        EXPECT_EQ(c.cause, LoadCause([&](CArchive& ar) {
                      if (c.bitSet)
                          bits.Serialize(ar);
                      else
                          buffer.Serialize(ar);
                  }))
            << c.bytes.size();
        EXPECT_LE(buffer.GetCapacity(), c.bytes.size());
    }
}

// A bit set cut short keeps its new size and the bits that came: cut in its
// bits it is a generic fault, cut in its set-bit count the end of the file.
TEST_F(ArchiveFormsTest, CutBitSetsKeepTheirNewSizeAndTheBitsThatCame)
{
    const struct
    {
        Bytes bytes;
        int cause;
        UINT size;
        std::vector<UINT> setBits;
    } cases[] = {
        {{1, 16, 0, 0, 0, 0x81, 0x02, 5, 0, 0}, CArchiveException::endOfFile, 16, {0, 7, 9}},
        {{1, 8, 0, 0, 0, 1, 0}, CArchiveException::endOfFile, 8, {0}},
        {{1, 24, 0, 0, 0, 0x05}, CArchiveException::generic, 24, {0, 2}},
        {{1, 0, 1, 0, 0}, CArchiveException::generic, 256, {}},
    };
    for (const auto& c : cases)
    {
        Put(c.bytes);
        CBitSet bits;
        bits.SetSize(3);
        bits.Set(1, TRUE);
        EXPECT_EQ(c.cause, LoadCause([&](CArchive& ar) {
                      bits.Serialize(ar);
                  }))
            << c.bytes.size();
        EXPECT_EQ(c.size, bits.GetSize()) << c.bytes.size();
        std::vector<UINT> set;
        for (UINT i = 0; i < bits.GetSize(); ++i)
            if (bits.Test(i))
                set.push_back(i);
        EXPECT_EQ(c.setBits, set) << c.bytes.size();
    }
}

// A graph of records with shared and cyclic links, written then damaged in
// a few thousand ways: every load either succeeds or raises an archive
// exception, and never allocates beyond what the file can hold.
TEST_F(ArchiveFormsTest, RandomlyDamagedGraphsAreRefusedSafely)
{
    std::vector<CFormsRecord*> records;
    for (int i = 0; i < 6; ++i)
    {
        CFormsRecord* r = new CFormsRecord;
        r->m_nValue = (DWORD)i * 1000;
        r->m_strName.Format("record %d", i);
        r->m_content.SetSize(20 + i);
        memset(r->m_content.GetData(), 'a' + i, r->m_content.GetLength());
        r->m_bits.SetSize(3 + 5 * i);
        r->m_bits.Set(i, TRUE);
        records.push_back(r);
    }
    for (size_t i = 0; i < records.size(); ++i)
        records[i]->m_pLink = records[(i + 2) % records.size()];
    const Bytes original = Store([&](CArchive& ar) {
        ar.m_bChecksum = TRUE;
        for (CFormsRecord* r : records)
            ar << r;
        ar << (DWORD)ar.m_wChecksum;
    });
    for (CFormsRecord* r : records)
        delete r;

    auto loadAll = [&](CArchive& ar) {
        ar.m_bChecksum = TRUE;
        std::vector<CObject*> loaded;
        for (int i = 0; i < 6; ++i)
            loaded.push_back(ar.ReadObject(RUNTIME_CLASS(CFormsRecord)));
        WORD sum = ar.m_wChecksum;
        DWORD stored;
        ar >> stored;
        if (stored != sum)
            AfxThrowArchiveException(CArchiveException::generic, ar.m_strFileName);
    };
    Put(original);
    ASSERT_EQ(CArchiveException::none, LoadCause(loadAll));
    ASSERT_EQ(6u, CFormsRecord::Live().size());
    while (!CFormsRecord::Live().empty())
        delete *CFormsRecord::Live().begin();

    std::mt19937 random(18);
    int refused = 0;
    const int kRuns = 3000;
    for (int run = 0; run < kRuns; ++run)
    {
        Bytes damaged = original;
        std::uniform_int_distribution<size_t> at(0, damaged.size() - 1);
        switch (run % 4)
        {
        case 0:
            damaged.resize(at(random));
            break;
        case 1:
            damaged[at(random)] ^= (BYTE)(1u << (random() % 8));
            break;
        case 2:
            damaged.insert(damaged.begin() + at(random), (size_t)(1 + random() % 40), (BYTE)random());
            break;
        default: {
            // A count, length or tag made absurd.
            size_t pos = at(random) & ~(size_t)1;
            for (size_t k = pos; k < pos + 4 && k < damaged.size(); ++k)
                damaged[k] = (k == pos) ? (BYTE)0xFF : (BYTE)random();
        }
        }
        Put(damaged);
        int cause = LoadCause(loadAll);
        if (cause != CArchiveException::none)
            ++refused;
        // Not a memory exhaustion nor any other exception: LoadCause lets
        // only archive exceptions through.
        while (!CFormsRecord::Live().empty())
            delete *CFormsRecord::Live().begin();
    }
    EXPECT_GT(refused, kRuns * 9 / 10);
}

TEST_F(ArchiveFormsTest, NamedTextTreeRoundTripsThroughItsCompactForm)
{
    CNamedTextItemList root, empty;
    root.m_strName = "root";
    CNamedTextItem* item = new CNamedTextItem;
    item->m_strName = "item";
    item->m_nValue1 = 7;
    item->m_nValue2 = -3;
    item->m_nTransient = 99;
    item->m_content.SetSize(3);
    memcpy(item->m_content.GetData(), "xyz", 3);
    CNamedTextItemList* nested = new CNamedTextItemList;
    nested->m_strName = "n";
    root.m_elements.Add(item);
    root.m_elements.Add(nested);
    Bytes bytes = Store([&](CArchive& ar) {
        empty.Serialize(ar);
        ar << &root;
    });
    EXPECT_EQ(Bytes({1, 0, 0, 0}), Bytes(bytes.begin(), bytes.begin() + 4)) << "empty list";
    // After the root's header: kind 0, the item; kind 1, the nested list.
    const Bytes itemForm = {0, 0, 1, 7, 0, 0,   0,   0xFD, 0xFF, 0xFF, 0xFF, 4, 'i', 't', 'e', 'm',
                            1, 3, 0, 0, 0, 'x', 'y', 'z',  1,    0,    1,    1, 'n', 0,   0};
    EXPECT_EQ(itemForm, Bytes(bytes.end() - itemForm.size(), bytes.end()));

    Put(bytes);
    CNamedTextItemList* loaded = nullptr;
    ASSERT_EQ(CArchiveException::none, LoadCause([&](CArchive& ar) {
                  empty.Serialize(ar);
                  loaded = (CNamedTextItemList*)ar.ReadObject(RUNTIME_CLASS(CNamedTextItemList));
              }));
    ASSERT_TRUE(loaded != nullptr);
    ASSERT_EQ(2, (int)loaded->m_elements.GetSize());
    CNamedTextItem* li = DYNAMIC_DOWNCAST(CNamedTextItem, loaded->m_elements[0]);
    ASSERT_TRUE(li != nullptr);
    EXPECT_STREQ("item", li->m_strName);
    EXPECT_EQ(-3, li->m_nValue2);
    EXPECT_EQ(0, li->m_nTransient);
    EXPECT_EQ(0, memcmp("xyz", li->m_content.GetData(), 3));
    EXPECT_TRUE(loaded->m_elements[1]->IsKindOf(RUNTIME_CLASS(CNamedTextItemList)));
    delete loaded;

    // Kind 7 is a list; a list cut inside its third element ends up empty.
    Put({1, 0, 3, 0, 7, 0, 1, 0, 0, 0, 1, 0, 1, 0, 0, 0, 1, 0, 1, 0});
    CNamedTextItemList cut;
    EXPECT_EQ(CArchiveException::endOfFile, LoadCause([&](CArchive& ar) {
                  cut.Serialize(ar);
              }));
    EXPECT_EQ(0, (int)cut.m_elements.GetSize());
    Put({1, 0, 1, 0, 7, 0, 1, 0, 0, 0});
    EXPECT_EQ(CArchiveException::none, LoadCause([&](CArchive& ar) {
                  cut.Serialize(ar);
              }));
    ASSERT_EQ(1, (int)cut.m_elements.GetSize());
    EXPECT_TRUE(cut.m_elements[0]->IsKindOf(RUNTIME_CLASS(CNamedTextItemList)));
}

TEST_F(ArchiveFormsTest, DeeplyNestedOrOvercountedListsAreRefused)
{
    Bytes deep;
    for (int i = 0; i < 5000; ++i)
        deep.insert(deep.end(), {1, 0, 1, 0, 1, 0});
    Put(deep);
    CNamedTextItemList list;
    EXPECT_EQ(CArchiveException::generic, LoadCause([&](CArchive& ar) {
                  list.Serialize(ar);
              }));
    Put({1, 0, 0xFF, 0xFF, 0, 0});
    EXPECT_EQ(CArchiveException::endOfFile, LoadCause([&](CArchive& ar) {
                  list.Serialize(ar);
              }));
    Put({2, 0, 0, 0});
    EXPECT_EQ(CArchiveException::generic, LoadCause([&](CArchive& ar) {
                  list.Serialize(ar);
              }));
}

// Lists of 65,535 elements and more keep every element, and the stream after
// them reads on.
TEST_F(ArchiveFormsTest, LongListsKeepEveryElement)
{
    const struct
    {
        DWORD count;
        Bytes countForm;
    } cases[] = {
        {65535, {0xFF, 0xFF, 0xFF, 0xFF, 0, 0}},
        {65536, {0xFF, 0xFF, 0, 0, 1, 0}},
        {70000, {0xFF, 0xFF, 0x70, 0x11, 1, 0}},
    };
    for (const auto& c : cases)
    {
        CNamedTextItemList list;
        for (DWORD i = 0; i < c.count; ++i)
            list.m_elements.Add(new CNamedTextItemList);
        const DWORD after = 0xC0FFEE;
        const Bytes bytes = Store([&](CArchive& ar) {
            list.Serialize(ar);
            ar << after;
        });
        // The version byte and the empty name come first.
        EXPECT_EQ(c.countForm, Bytes(bytes.begin() + 2, bytes.begin() + 2 + c.countForm.size())) << c.count;
        Put(bytes);
        CNamedTextItemList loaded;
        DWORD read = 0;
        ASSERT_EQ(CArchiveException::none, LoadCause([&](CArchive& ar) {
                      loaded.Serialize(ar);
                      ar >> read;
                  }))
            << c.count;
        EXPECT_EQ((INT_PTR)c.count, loaded.m_elements.GetSize());
        EXPECT_EQ(after, read) << c.count;
    }
}

// The nesting bound counts the levels of each archive: several archives
// loading deep lists at the same time all load.
TEST_F(ArchiveFormsTest, NestingIsCountedPerArchive)
{
    // 200 nested lists, the innermost holding many items, so that every
    // load spends most of its time 200 levels deep.
    Bytes deep;
    for (int i = 0; i < 200; ++i)
        deep.insert(deep.end(), {1, 0, 1, 0, 1, 0});
    const WORD items = 20000;
    deep.insert(deep.end(), {1, 0, (BYTE)items, (BYTE)(items >> 8)});
    for (int i = 0; i < items; ++i)
        deep.insert(deep.end(), {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0});
    std::vector<std::string> paths;
    for (int t = 0; t < 4; ++t)
    {
        paths.push_back(m_folder / ("deep" + std::to_string(t) + ".bin"));
        m_folder.WriteFile("deep" + std::to_string(t) + ".bin", std::string(deep.begin(), deep.end()));
    }
    std::atomic<int> failures(0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (int round = 0; round < 5; ++round)
            {
                CFile file(paths[t].c_str(), CFile::modeRead | CFile::typeBinary | CFile::shareDenyNone);
                CArchive ar(&file, CArchive::load);
                CNamedTextItemList list;
                try
                {
                    list.Serialize(ar);
                }
                catch (CException* e)
                {
                    e->Delete();
                    ++failures;
                }
            }
        });
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(0, failures.load());
}
