// CArchive: stored byte forms, checksum, counts, strings, progress, and
// object graphs with shared, self and class references and schemas.
#include <gtest/gtest.h>

#include "afx/files/Archive.h"
#include "afx/collections/ByteArray.h"
#include "afx/collections/DWordArray.h"
#include "afx/files/File.h"
#include "afx/collections/MapStringToString.h"
#include "afx/collections/MapWordToPtr.h"
#include "afx/collections/ObArray.h"
#include "afx/collections/StringArray.h"
#include "afx/collections/UIntArray.h"
#include "afx/collections/WordArray.h"
#include "afx/core/NotSupportedException.h"
#include "tests/support/ScratchFolder.h"

#include <functional>
#include <string>
#include <vector>

namespace
{
using Bytes = std::vector<BYTE>;

class CArcNode : public CObject
{
    DECLARE_SERIAL(CArcNode)
public:
    int m_nValue = 0;
    CString m_strName;
    CArcNode* m_pNext = nullptr;
    UINT m_nLoadedSchema = 0;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_nValue << m_strName << m_pNext;
        else
        {
            m_nLoadedSchema = ar.GetObjectSchema();
            ar >> m_nValue >> m_strName >> m_pNext;
        }
    }
};
IMPLEMENT_SERIAL(CArcNode, CObject, 1)

// Same shape, accepting other stored versions.
class CArcVersioned : public CArcNode
{
    DECLARE_SERIAL(CArcVersioned)
};
IMPLEMENT_SERIAL(CArcVersioned, CArcNode, VERSIONABLE_SCHEMA | 1)

class CArcOther : public CObject
{
    DECLARE_SERIAL(CArcOther)
};
IMPLEMENT_SERIAL(CArcOther, CObject, 1)

class CProgressArchive : public CArchive
{
public:
    using CArchive::CArchive;
    std::vector<std::pair<int, int>> reports;
    void ReportProgress(int pos, int total) override { reports.emplace_back(pos, total); }
};

class ArchiveTest : public ::testing::Test
{
protected:
    CScratchFolder m_folder{"archive"};
    CString m_path = (m_folder / "a.bin").c_str();

    Bytes Store(const std::function<void(CArchive&)>& body, WORD* checksum = nullptr)
    {
        {
            CFile file(m_path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
            CArchive ar(&file, CArchive::store, 128);
            ar.m_bChecksum = TRUE;
            body(ar);
            ar.Close();
            if (checksum)
                *checksum = ar.m_wChecksum;
        }
        return ReadBack();
    }
    Bytes ReadBack()
    {
        CFile file(m_path, CFile::modeRead | CFile::typeBinary);
        Bytes bytes(file.GetLength());
        if (!bytes.empty())
            file.Read(bytes.data(), (UINT)bytes.size());
        return bytes;
    }
    void Put(const Bytes& bytes) { m_folder.WriteFile("a.bin", std::string(bytes.begin(), bytes.end())); }
    // Loads with checksumming on; answers the checksum reached.
    WORD Load(const std::function<void(CArchive&)>& body)
    {
        CFile file(m_path, CFile::modeRead | CFile::typeBinary);
        CArchive ar(&file, CArchive::load, 128);
        ar.m_bChecksum = TRUE;
        body(ar);
        return ar.m_wChecksum;
    }
    int LoadCause(const std::function<void(CArchive&)>& body)
    {
        try
        {
            Load(body);
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

WORD ChecksumOf(const Bytes& fed)
{
    WORD crc = 0;
    for (BYTE b : fed)
        crc = (WORD)((crc >> 8) ^ ArchiveChecksumTable[(crc ^ b) & 0xFF]);
    return crc;
}
} // namespace

TEST(ArchiveChecksum, TableAndKnownValues)
{
    EXPECT_EQ(0x1189, ArchiveChecksumTable[1]);
    EXPECT_EQ(0x1891, ArchiveChecksumTable[16]);
    EXPECT_EQ(0x7788, ArchiveChecksumTable[255]);
    EXPECT_EQ(0xA837, ChecksumOf({'a', 'b', 'c'}));
    EXPECT_EQ(0x57FF, ChecksumOf({'1', '2', '3', '4', '5', '6', '7', '8', '9'}));
}

// Each value: its stream bytes (low first) and the checksum of its bytes
// high first; loading gives back the value and the same checksum.
TEST_F(ArchiveTest, ValuesAreStoredLowFirstAndChecksummedHighFirst)
{
    struct Case
    {
        std::function<void(CArchive&)> store;
        Bytes stream;
        std::function<bool(CArchive&)> loadsBack;
        Bytes fed = {}; // empty: the stream bytes high first
    };
    const Case cases[] = {
        {[](CArchive& ar) {
             ar << (BYTE)0x7A;
         },
         {0x7A},
         [](CArchive& ar) {
             BYTE b;
             ar >> b;
             return b == 0x7A;
         }},
        {[](CArchive& ar) {
             ar << (WORD)0x0001;
         },
         {0x01, 0x00},
         [](CArchive& ar) {
             WORD w;
             ar >> w;
             return w == 1;
         }},
        {[](CArchive& ar) {
             ar << (WORD)0x1234;
         },
         {0x34, 0x12},
         [](CArchive& ar) {
             WORD w;
             ar >> w;
             return w == 0x1234;
         }},
        {[](CArchive& ar) {
             ar << (short)-2;
         },
         {0xFE, 0xFF},
         [](CArchive& ar) {
             short n;
             ar >> n;
             return n == -2;
         }},
        {[](CArchive& ar) {
             ar << (DWORD)0x01020304;
         },
         {4, 3, 2, 1},
         [](CArchive& ar) {
             DWORD d;
             ar >> d;
             return d == 0x01020304;
         }},
        {[](CArchive& ar) {
             ar << -5;
         },
         {0xFB, 0xFF, 0xFF, 0xFF},
         [](CArchive& ar) {
             int i;
             ar >> i;
             return i == -5;
         }},
        {[](CArchive& ar) {
             ar.WriteCount(65534);
         },
         {0xFE, 0xFF},
         [](CArchive& ar) {
             return ar.ReadCount() == 65534;
         }},
        {[](CArchive& ar) {
             ar.WriteCount(65535);
         },
         {0xFF, 0xFF, 0xFF, 0xFF, 0, 0},
         [](CArchive& ar) {
             return ar.ReadCount() == 65535;
         },
         {0xFF, 0xFF, 0, 0, 0xFF, 0xFF}},
    };
    for (const Case& c : cases)
    {
        WORD stored = 0;
        EXPECT_EQ(c.stream, Store(c.store, &stored));
        EXPECT_EQ(ChecksumOf(c.fed.empty() ? Bytes(c.stream.rbegin(), c.stream.rend()) : c.fed), stored);
        bool ok = false;
        EXPECT_EQ(stored, Load([&](CArchive& ar) {
                      ok = c.loadsBack(ar);
                  }));
        EXPECT_TRUE(ok);
    }
    EXPECT_EQ(0x1189, ChecksumOf({0x00, 0x01}));
}

TEST_F(ArchiveTest, ChecksumFollowsTheSwitchAndKeepsItsValue)
{
    WORD stored = 0;
    Bytes bytes = Store(
        [](CArchive& ar) {
            ar.Write("ab", 2);
            ar.Write("", 0);
            ar.m_bChecksum = FALSE;
            ar << (DWORD)7;
            ar.m_bChecksum = TRUE;
            ar.Write("c", 1);
        },
        &stored);
    EXPECT_EQ(7u, bytes.size());
    EXPECT_EQ(0xA837, stored);
}

TEST_F(ArchiveTest, StringPrefixesByLength)
{
    struct Case
    {
        int length;
        Bytes prefix;
    };
    const Case cases[] = {{0, {0}},
                          {254, {254}},
                          {255, {0xFF, 0xFF, 0x00}},
                          {65533, {0xFF, 0xFD, 0xFF}},
                          {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0}},
                          {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 1, 0}}};
    for (const Case& c : cases)
    {
        CString text(std::string(c.length, 'x').c_str());
        if (c.length > 0)
            text.SetAt(c.length - 1, 'y');
        Bytes bytes = Store([&](CArchive& ar) {
            ar << text;
        });
        ASSERT_EQ(c.prefix.size() + c.length, bytes.size()) << c.length;
        EXPECT_EQ(c.prefix, Bytes(bytes.begin(), bytes.begin() + c.prefix.size()));
        CString loaded("old");
        Load([&](CArchive& ar) {
            ar >> loaded;
        });
        EXPECT_TRUE(loaded == text) << c.length;
    }
}

TEST_F(ArchiveTest, WideStringsLoadAsAnsiText)
{
    Put({0xFF, 0xFE, 0xFF, 3, 'H', 0, 'i', 0, '!', 0, 0xFF, 0xFE, 0xFF, 0});
    CString first, second("x");
    Load([&](CArchive& ar) {
        ar >> first >> second;
    });
    EXPECT_STREQ("Hi!", first);
    EXPECT_TRUE(second.IsEmpty());
}

// A damaged length never allocates more than the file holds.
TEST_F(ArchiveTest, ShortOrAbsurdInputThrowsEndOfFileButReadCountsShort)
{
    const Bytes damaged[] = {
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'}, {10, 'a', 'b'}, {0xFF, 0xFE, 0xFF, 0xFE, 0xFF}};
    for (const Bytes& bytes : damaged)
    {
        Put(bytes);
        EXPECT_EQ(CArchiveException::endOfFile, LoadCause([](CArchive& ar) {
                      CString s;
                      ar >> s;
                  }));
    }
    Put({1, 2, 3});
    EXPECT_EQ(CArchiveException::endOfFile, LoadCause([](CArchive& ar) {
                  WORD w;
                  DWORD d;
                  ar >> w >> d;
              }));
    char buf[300];
    Load([&](CArchive& ar) {
        EXPECT_EQ(0u, ar.Read(buf, 0));
        EXPECT_EQ(3u, ar.Read(buf, sizeof(buf)));
    });
}

TEST_F(ArchiveTest, BulkReadsAndWritesAcrossTheBufferRoundTrip)
{
    Bytes data(1000);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = (BYTE)(i * 7);
    WORD stored = 0;
    Bytes bytes = Store(
        [&](CArchive& ar) {
            ar << (BYTE)1;
            ar.Write(data.data(), 500);
            ar << (WORD)0xBEEF;
            ar.Write(data.data() + 500, 500);
        },
        &stored);
    EXPECT_EQ(1003u, bytes.size());
    Bytes back(1000);
    WORD w = 0;
    BYTE b = 0;
    EXPECT_EQ(stored, Load([&](CArchive& ar) {
                  ar >> b;
                  ar.Read(back.data(), 300);
                  ar.Read(back.data() + 300, 200);
                  ar >> w;
                  ar.Read(back.data() + 500, 500);
              }));
    EXPECT_EQ(0xBEEF, w);
    EXPECT_EQ(data, back);
}

TEST_F(ArchiveTest, FlushOfALoadingArchiveMovesFileAndProgressBack)
{
    Put(Bytes(40, 1));
    CFile file(m_path, CFile::modeRead | CFile::typeBinary);
    CProgressArchive ar(&file, CArchive::load, 128);
    ar.m_bProgress = TRUE;
    ar.m_nProgressTotal = 40;
    ar.m_nProgressStep = 5;
    ar.m_nProgressHigh = -1;
    BYTE b;
    for (int i = 0; i < 30; ++i)
        ar >> b;
    ar.Flush();
    EXPECT_EQ(30u, file.GetPosition());
    EXPECT_EQ(30, ar.m_nProgressPos);
    ASSERT_FALSE(ar.reports.empty());
    EXPECT_EQ(std::make_pair(30, 40), ar.reports.back());
    EXPECT_EQ(std::make_pair(40, 40), ar.reports.front());
}

// ---- object graphs

TEST_F(ArchiveTest, ObjectGraphKeepsSharingSelfReferencesAndNulls)
{
    CArcNode a, b, c;
    a.m_nValue = 1, a.m_strName = "a", a.m_pNext = &b;
    b.m_nValue = 2, b.m_pNext = &a;
    c.m_nValue = 3, c.m_pNext = &c;
    Bytes bytes = Store([&](CArchive& ar) {
        ar << &a << &c << &b << (CObject*)nullptr;
    });
    // 0xFFFF, schema 1, name length 8, "CArcNode": class 1, object a 2.
    const Bytes head = {0xFF, 0xFF, 1, 0, 8, 0, 'C', 'A', 'r', 'c', 'N', 'o', 'd', 'e'};
    EXPECT_EQ(head, Bytes(bytes.begin(), bytes.begin() + head.size()));
    EXPECT_EQ(Bytes({0x03, 0x00, 0x00, 0x00}), Bytes(bytes.end() - 4, bytes.end())) << "b (stored inside a) by index, then null";

    CArcNode *la = nullptr, *lc = nullptr, *lb = nullptr, *ln = &a;
    Load([&](CArchive& ar) {
        ar >> la >> lc >> lb >> ln;
    });
    ASSERT_TRUE(la && lb && lc);
    EXPECT_EQ(lb, la->m_pNext);
    EXPECT_EQ(la, lb->m_pNext);
    EXPECT_EQ(lc, lc->m_pNext);
    EXPECT_EQ(nullptr, ln);
    EXPECT_STREQ("a", la->m_strName);
    EXPECT_EQ(3, lc->m_nValue);
    EXPECT_EQ(1u, la->m_nLoadedSchema);
    delete la, delete lb, delete lc;
}

TEST_F(ArchiveTest, SecondObjectOfAClassUsesTheClassIndex)
{
    CArcNode a, b;
    Bytes bytes = Store([&](CArchive& ar) {
        ar << &a << &b;
    });
    // a: 14 bytes of class, int 4, empty string 1, null 2; then b's tag.
    ASSERT_GT(bytes.size(), 23u);
    EXPECT_EQ(0x01, bytes[21]);
    EXPECT_EQ(0x80, bytes[22]);
}

TEST_F(ArchiveTest, LongFormReferencesBeyond0x7FFF)
{
    std::vector<CArcNode> nodes(0x8001);
    Store([&](CArchive& ar) {
        for (CArcNode& n : nodes)
            ar << &n;
        ar << &nodes.back() << &nodes.front();
    });
    std::vector<CArcNode*> loaded(nodes.size() + 2);
    Load([&](CArchive& ar) {
        for (CArcNode*& p : loaded)
            ar >> p;
    });
    EXPECT_EQ(loaded[nodes.size() - 1], loaded[nodes.size()]);
    EXPECT_EQ(loaded[0], loaded.back());
    for (size_t i = 0; i < nodes.size(); ++i)
        delete loaded[i];
}

TEST_F(ArchiveTest, SchemasAreCheckedUnlessVersionable)
{
    // A new class and object (value 5), then a second object of the class.
    auto stream = [](const std::string& name, char schema) {
        const std::string body("\x05\0\0\0\0\0\0", 7);
        std::string s = std::string("\xFF\xFF", 2) + schema + '\0' + (char)name.size() + '\0' + name + body +
                        std::string("\x01\x80", 2) + body;
        return Bytes(s.begin(), s.end());
    };
    Put(stream("CArcNode", 2));
    EXPECT_EQ(CArchiveException::badSchema, LoadCause([](CArchive& ar) {
                  CArcNode* p;
                  ar >> p;
              }));

    Put(stream("CArcVersioned", 2));
    CArcNode *first = nullptr, *second = nullptr;
    Load([&](CArchive& ar) {
        ar >> first >> second;
    });
    ASSERT_TRUE(first && second);
    EXPECT_EQ(2u, first->m_nLoadedSchema);
    EXPECT_EQ(2u, second->m_nLoadedSchema);
    EXPECT_EQ(5, second->m_nValue);
    delete first, delete second;
}

TEST_F(ArchiveTest, CraftedReferencesAreRefusedWithTheirCause)
{
    struct Case
    {
        Bytes bytes;
        int cause;
    };
    const Bytes nodeClass = {0xFF, 0xFF, 1, 0, 8, 0, 'C', 'A', 'r', 'c', 'N', 'o', 'd', 'e'};
    auto with = [&](Bytes tail) {
        Bytes b = nodeClass;
        b.insert(b.end(), {0, 0, 0, 0, 0, 0, 0});
        b.insert(b.end(), tail.begin(), tail.end());
        return b;
    };
    Bytes longName = {0xFF, 0xFF, 1, 0, 64, 0};
    longName.insert(longName.end(), 64, 'A');
    const Case cases[] = {
        {{0x00, 0x80}, CArchiveException::badIndex},                            // class index 0
        {{0x05, 0x80}, CArchiveException::badIndex},                            // class index not read yet
        {{0x03, 0x00}, CArchiveException::badIndex},                            // object index not read yet
        {with({0x01, 0x00}), CArchiveException::badIndex},                      // object tag naming a class record
        {with({0x02, 0x80}), CArchiveException::badIndex},                      // class tag naming an object
        {{0xFF, 0xFF, 1, 0, 3, 0, 'Z', 'z', 'z'}, CArchiveException::badClass}, // unknown class
        {longName, CArchiveException::badClass},
        {{0xFF, 0xFF, 1, 0, 9, 0, 'C', 'A', 'r', 'c', 'O', 't', 'h', 'e', 'r'}, CArchiveException::badClass},
        {{0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF}, CArchiveException::badIndex}, // long class reference
        {{0xFF, 0xFF, 1, 0, 200, 0, 'C'}, CArchiveException::badClass},      // cut name
    };
    for (const Case& c : cases)
    {
        Put(c.bytes);
        EXPECT_EQ(c.cause, LoadCause([](CArchive& ar) {
                      CArcNode* p = nullptr;
                      ar >> p;
                      ar >> p;
                  }))
            << c.bytes.size();
    }
}

TEST_F(ArchiveTest, ExceptionMessagesNameTheFile)
{
    Put({0x00, 0x80});
    CString message;
    try
    {
        Load([](CArchive& ar) {
            ar.ReadObject(nullptr);
        });
    }
    catch (CArchiveException* e)
    {
        char text[512];
        e->GetErrorMessage(text, sizeof(text));
        message = text;
        e->Delete();
    }
    EXPECT_EQ(m_path + " has a bad format.", message);
}

TEST_F(ArchiveTest, ClassesThatCannotBeStoredAreNotSupported)
{
    bool refused = false;
    try
    {
        Store([](CArchive& ar) {
            ar.WriteClass(RUNTIME_CLASS(CObject));
        });
    }
    catch (CNotSupportedException* e)
    {
        refused = true;
        e->Delete();
    }
    EXPECT_TRUE(refused);
}

TEST_F(ArchiveTest, CollectionsRoundTripAndRefuseAbsurdCounts)
{
    CByteArray bytes;
    CDWordArray words;
    CStringArray texts;
    CObArray objects;
    CArcNode node;
    node.m_nValue = 42;
    for (int i = 0; i < 300; ++i)
        bytes.Add((BYTE)i), words.Add(0x10000u * i + 1);
    texts.Add("one"), texts.Add(""), texts.Add("three");
    objects.Add(&node), objects.Add(nullptr), objects.Add(&node);
    Store([&](CArchive& ar) {
        bytes.Serialize(ar), words.Serialize(ar), texts.Serialize(ar), objects.Serialize(ar);
    });
    CByteArray b2;
    CDWordArray w2;
    CStringArray t2;
    CObArray o2;
    Load([&](CArchive& ar) {
        b2.Serialize(ar), w2.Serialize(ar), t2.Serialize(ar), o2.Serialize(ar);
    });
    ASSERT_EQ(300, (int)b2.GetSize());
    ASSERT_EQ(300, (int)w2.GetSize());
    EXPECT_EQ(0, memcmp(bytes.GetData(), b2.GetData(), 300));
    EXPECT_EQ(0, memcmp(words.GetData(), w2.GetData(), 1200));
    ASSERT_EQ(3, (int)t2.GetSize());
    EXPECT_STREQ("three", t2[2]);
    ASSERT_EQ(3, (int)o2.GetSize());
    EXPECT_EQ(nullptr, o2[1]);
    EXPECT_EQ(o2[0], o2[2]);
    EXPECT_EQ(42, ((CArcNode*)o2[0])->m_nValue);
    delete o2[0];

    // A count of 0x7FFFFFFF with nothing behind it sizes nothing.
    Put({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2});
    auto refuses = [&](CObject& array) {
        EXPECT_EQ(CArchiveException::endOfFile, LoadCause([&](CArchive& ar) {
                      array.Serialize(ar);
                  }));
    };
    refuses(b2), refuses(w2), refuses(t2), refuses(o2);
}

// Arrays of whole numbers store the count and then each element at its own
// size, and load back what they stored.
TEST_F(ArchiveTest, WordAndUIntArraysStoreEachElement)
{
    CWordArray words;
    CUIntArray units;
    words.Add(1), words.Add(0xFFFF), words.Add(0x1234);
    units.Add(0), units.Add(0xFFFFFFFFu), units.Add(0x01020304u);
    const Bytes stored = Store([&](CArchive& ar) {
        words.Serialize(ar), units.Serialize(ar);
    });
    const Bytes expected = {3, 0, 1, 0, 0xFF, 0xFF, 0x34, 0x12, 3, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 4, 3, 2, 1};
    EXPECT_EQ(expected, stored);
    CWordArray w2;
    CUIntArray u2;
    Load([&](CArchive& ar) {
        w2.Serialize(ar), u2.Serialize(ar);
    });
    ASSERT_EQ(3, (int)w2.GetSize());
    ASSERT_EQ(3, (int)u2.GetSize());
    EXPECT_EQ(0, memcmp(words.GetData(), w2.GetData(), 3 * sizeof(WORD)));
    EXPECT_EQ(0, memcmp(units.GetData(), u2.GetData(), 3 * sizeof(UINT)));
    Put({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2});
    EXPECT_EQ(CArchiveException::endOfFile, LoadCause([&](CArchive& ar) {
                  w2.Serialize(ar);
              }));
}

namespace
{
// Counts the objects alive; loading one fails after it has read a value.
class CArcFailing : public CObject
{
    DECLARE_SERIAL(CArcFailing)
public:
    static int& Alive()
    {
        static int alive = 0;
        return alive;
    }
    CArcFailing() { ++Alive(); }
    ~CArcFailing() override { --Alive(); }
    void Serialize(CArchive& ar) override
    {
        DWORD value = 0;
        if (ar.IsStoring())
            ar << value;
        else
            ar >> value >> value;
    }
};
IMPLEMENT_SERIAL(CArcFailing, CObject, 1)
} // namespace

TEST_F(ArchiveTest, AnObjectWhoseLoadFailsIsFreed)
{
    CArcFailing stored;
    Store([&](CArchive& ar) {
        ar << &stored;
    });
    Put(ReadBack());
    const int before = CArcFailing::Alive();
    EXPECT_EQ(CArchiveException::endOfFile, LoadCause([&](CArchive& ar) {
                  ar.ReadObject(RUNTIME_CLASS(CArcFailing));
              }));
    EXPECT_EQ(before, CArcFailing::Alive());
}

// A caller's buffer below the archive's minimum size is never written past.
TEST_F(ArchiveTest, ASmallCallerBufferIsNotOverrun)
{
    BYTE memory[256];
    memset(memory, 0xCC, sizeof(memory));
    Bytes written(200);
    for (size_t i = 0; i < written.size(); ++i)
        written[i] = (BYTE)i;
    {
        CFile file(m_path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        CArchive ar(&file, CArchive::store, 16, memory);
        ar.Write(written.data(), (UINT)written.size());
        ar.Close();
    }
    EXPECT_EQ(written, ReadBack());
    for (size_t i = 16; i < sizeof(memory); ++i)
        ASSERT_EQ(0xCC, memory[i]) << "byte " << i << " past the caller's buffer";
    {
        CFile file(m_path, CFile::modeRead | CFile::typeBinary);
        CArchive ar(&file, CArchive::load, 16, memory);
        Bytes read(written.size());
        EXPECT_EQ(read.size(), ar.Read(read.data(), (UINT)read.size()));
        EXPECT_EQ(written, read);
    }
    for (size_t i = 16; i < sizeof(memory); ++i)
        ASSERT_EQ(0xCC, memory[i]) << "byte " << i << " past the caller's buffer";
}

TEST_F(ArchiveTest, MapsRoundTripTheirEntriesAndRefuseAbsurdCounts)
{
    CMapStringToString texts;
    CMap<WORD, WORD, int, int> numbers;
    for (int i = 0; i < 40; ++i)
    {
        CString key;
        key.Format("key %d", i);
        texts[key] = i % 3 == 0 ? CString() : key + " text";
        numbers[(WORD)(i * 1000)] = -i;
    }
    Store([&](CArchive& ar) { texts.Serialize(ar), numbers.Serialize(ar); });
    CMapStringToString texts2;
    CMap<WORD, WORD, int, int> numbers2;
    texts2["stale"] = "gone after loading";
    Load([&](CArchive& ar) { texts2.Serialize(ar), numbers2.Serialize(ar); });
    ASSERT_EQ(40, (int)texts2.GetCount());
    ASSERT_EQ(40, (int)numbers2.GetCount());
    for (POSITION p = texts.GetStartPosition(); p != NULL;)
    {
        CString key, value, loaded;
        texts.GetNextAssoc(p, key, value);
        EXPECT_TRUE(texts2.Lookup(key, loaded) && loaded == value) << (LPCTSTR)key;
    }
    for (int i = 0; i < 40; ++i)
    {
        int loaded = 0;
        EXPECT_TRUE(numbers2.Lookup((WORD)(i * 1000), loaded) && loaded == -i) << i;
    }

    Put({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2});
    EXPECT_EQ(CArchiveException::endOfFile, LoadCause([&](CArchive& ar) { texts2.Serialize(ar); }));

    // Pointers have no stored form.
    CMapWordToPtr pointers;
    pointers[(WORD)1] = &pointers;
    bool refused = false;
    try
    {
        Store([&](CArchive& ar) { pointers.Serialize(ar); });
    }
    catch (CNotSupportedException* e)
    {
        refused = true;
        e->Delete();
    }
    EXPECT_TRUE(refused);
}
