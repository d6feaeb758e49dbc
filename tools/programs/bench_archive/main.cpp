// Measures the archive: storing and loading 100,000 small named items as an
// object graph, and a 10 MB byte buffer, with the running checksum on.
//
//   bench_archive.exe [FOLDER]      (the temporary folder by default)
#include "afx/files/Archive.h"
#include "afx/files/File.h"
#include "foundation/archive/NamedTextItem.h"
#include "foundation/files/ByteBuffer.h"

#include <cstdio>
#include <cstring>
#include <vector>
#include "tools/programs/BenchTimer.h"

namespace
{
const int kObjects = 100000;
const DWORD kBufferBytes = 10 * 1024 * 1024;

void BenchObjects(const char* path)
{
    std::vector<CNamedTextItem*> items(kObjects);
    for (int i = 0; i < kObjects; ++i)
    {
        items[i] = new CNamedTextItem;
        items[i]->m_nValue1 = i;
        items[i]->m_strName.Format("item %d", i);
        items[i]->m_content.SetSize(8);
        memset(items[i]->m_content.GetData(), i, 8);
    }
    double t0 = BenchSeconds();
    WORD stored;
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        CArchive ar(&file, CArchive::store);
        ar.m_bChecksum = TRUE;
        for (CNamedTextItem* item : items)
            ar << item;
        ar.Close();
        stored = ar.m_wChecksum;
    }
    double t1 = BenchSeconds();
    WORD loaded;
    long long sum = 0;
    {
        CFile file(path, CFile::modeRead | CFile::typeBinary);
        CArchive ar(&file, CArchive::load);
        ar.m_bChecksum = TRUE;
        for (int i = 0; i < kObjects; ++i)
        {
            CNamedTextItem* item = (CNamedTextItem*)ar.ReadObject(RUNTIME_CLASS(CNamedTextItem));
            sum += item->m_nValue1;
            delete item;
        }
        loaded = ar.m_wChecksum;
    }
    double t2 = BenchSeconds();
    for (CNamedTextItem* item : items)
        delete item;
    printf("objects: %d stored in %.1f ms, loaded in %.1f ms (checksums %04X/%04X, sum %s)\n", kObjects,
           (t1 - t0) * 1000, (t2 - t1) * 1000, stored, loaded,
           sum == (long long)kObjects * (kObjects - 1) / 2 ? "ok" : "WRONG");
}

void BenchBuffer(const char* path)
{
    CByteBuffer buffer;
    buffer.SetSize(kBufferBytes);
    for (DWORD i = 0; i < kBufferBytes; ++i)
        buffer.GetData()[i] = (BYTE)(i * 31);
    double t0 = BenchSeconds();
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        CArchive ar(&file, CArchive::store);
        ar.m_bChecksum = TRUE;
        buffer.Serialize(ar);
    }
    double t1 = BenchSeconds();
    CByteBuffer back;
    {
        CFile file(path, CFile::modeRead | CFile::typeBinary);
        CArchive ar(&file, CArchive::load);
        ar.m_bChecksum = TRUE;
        back.Serialize(ar);
    }
    double t2 = BenchSeconds();
    bool same = back.GetLength() == kBufferBytes && memcmp(back.GetData(), buffer.GetData(), kBufferBytes) == 0;
    printf("10 MB byte buffer: stored in %.1f ms, loaded in %.1f ms (%s)\n", (t1 - t0) * 1000, (t2 - t1) * 1000,
           same ? "ok" : "WRONG");
}
} // namespace

int main(int argc, char** argv)
{
    char folder[MAX_PATH];
    if (argc > 1)
        snprintf(folder, sizeof(folder), "%s", argv[1]);
    else
        GetTempPathA(sizeof(folder), folder);
    char path[MAX_PATH + 32];
    snprintf(path, sizeof(path), "%s\\bench_archive.bin", folder);
    try
    {
        BenchObjects(path);
        BenchBuffer(path);
    }
    catch (CException* e)
    {
        printf("failed\n");
        e->Delete();
        return 1;
    }
    DeleteFileA(path);
    return 0;
}
