// Benchmark of the pictures: decoding a 4000 x 3000 JPEG (from its file and
// from memory) and making the thumbnails of 200 such files, each loaded
// through the picture cache and drawn fitted into a 200 x 200 cell, as the
// thumbnail grid painted them before it made them on worker threads; then the
// thumbnails made by workers, and the grid's responsiveness while they are
// made; last, drawing a Windows and an enhanced metafile into a cell.
// Reports the median of the decoding runs and the time per thumbnail.
//   bench_pictures [files] [runs] [grid | metafiles]
#include "afx/app/AfxWin.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "foundation/files/ByteBuffer.h"
#include "foundation/windows/OwnedHandle.h"
#include "output/pictures/PictureSizeFitting.h"
#include "output/pictures/CachedPicture.h"
#include "output/pictures/JpegDecoder.h"
#include "output/pictures/Picture.h"
#include "output/pictures/PictureCache.h"
#include "tools/programs/BenchTimer.h"
#include "tools/programs/bench_pictures/BenchCell.h"
#include "tests/support/PictureEncoding.h"
#include "tools/programs/bench_pictures/MetafileBench.h"
#include "tools/programs/bench_pictures/ThumbnailBench.h"

namespace
{
const int Width = 4000, Height = 3000;

// A photograph-like picture: smooth gradients with a little grain.
std::vector<unsigned char> EncodePhoto()
{
    unsigned seed = 1;
    return EncodeJpeg({Width, Height, JCS_RGB, 3, 85, false}, [&](int y, JSAMPLE* line) {
        for (int x = 0; x < Width; ++x)
        {
            seed = seed * 1103515245 + 12345;
            int grain = (seed >> 16) % 9 - 4;
            line[3 * x] = (JSAMPLE)std::min(255, std::max(0, x * 255 / Width + grain));
            line[3 * x + 1] = (JSAMPLE)std::min(255, std::max(0, y * 255 / Height + grain));
            line[3 * x + 2] = (JSAMPLE)std::min(255, std::max(0, 128 + (x - y) / 64 + grain));
        }
    });
}

void RemovePhotos(const std::string& folder, int files)
{
    for (int i = 0; i < files; ++i)
        ::DeleteFileA(PhotoPath(folder, i).c_str());
    ::RemoveDirectoryA(folder.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    const int files = argc > 1 ? atoi(argv[1]) : 200;
    const int runs = argc > 2 ? atoi(argv[2]) : 5;
    // "grid": only the grid of thumbnails, once each run; "metafiles": only
    // the drawing of metafiles.
    const bool gridOnly = argc > 3 && strcmp(argv[3], "grid") == 0;
    if (argc > 3 && strcmp(argv[3], "metafiles") == 0)
    {
        BenchMetafileDrawing(runs);
        return 0;
    }
    char temp[MAX_PATH];
    ::GetTempPathA(sizeof(temp), temp);
    std::string folder = std::string(temp) + "bench_pictures";
    ::CreateDirectoryA(folder.c_str(), NULL);

    double start = BenchSeconds();
    std::vector<unsigned char> photo = EncodePhoto();
    printf("encoded a %d x %d JPEG of %u bytes in %.2f s\n", Width, Height, (unsigned)photo.size(),
           BenchSeconds() - start);
    std::string first = PhotoPath(folder, 0);
    FILE* file = fopen(first.c_str(), "wb");
    fwrite(photo.data(), 1, photo.size(), file);
    fclose(file);

    std::vector<double> fromFile, fromMemory, picture;
    for (int run = 0; run < (gridOnly ? 0 : runs); ++run)
    {
        BYTE* bits = NULL;
        double t = BenchSeconds();
        COwnedGdiObject<HBITMAP> section(DecodeJpegFile(first.c_str(), &bits));
        fromFile.push_back(BenchSeconds() - t);
        section.Reset();
        t = BenchSeconds();
        section.Reset(DecodeJpegFromMemory(photo.data(), (DWORD)photo.size(), &bits));
        fromMemory.push_back(BenchSeconds() - t);
        section.Reset();
        CPicture loaded;
        t = BenchSeconds();
        loaded.Load(first.c_str(), MakePictureLoadOptions(96, 96));
        picture.push_back(BenchSeconds() - t);
    }
    if (!gridOnly)
        printf("decode %d x %d JPEG: file %.1f ms, memory %.1f ms, CPicture::Load %.1f ms (median of %d)\n", Width, Height,
           BenchMedian(fromFile) * 1000, BenchMedian(fromMemory) * 1000, BenchMedian(picture) * 1000, runs);

    for (int i = 1; i < files; ++i)
    {
        std::string copy = PhotoPath(folder, i);
        ::CopyFileA(first.c_str(), copy.c_str(), FALSE);
    }

    if (gridOnly)
    {
        for (int run = 0; run < runs; ++run)
            BenchThumbnailGrid(folder, files);
        RemovePhotos(folder, files);
        return 0;
    }

    // Thumbnails: each file through the cache, fitted into a 200 x 200 cell.
    InitPictureCache(2048);
    CBenchCell cell(200);
    std::vector<double> perThumbnail;
    double total = BenchSeconds();
    for (int i = 0; i < files; ++i)
    {
        std::string path = PhotoPath(folder, i);
        double t = BenchSeconds();
        CCachedPicture cached;
        if (cached.Load(path.c_str(), MakePictureLoadOptions(96, 96)))
        {
            CPicture* p = cached.GetPicture();
            CSize size = FitSizeToAspectOnDevice(cell.DC(), 196, 180, p->GetWidthInInches(), p->GetHeightInInches());
            CRect box(2 + (196 - size.cx) / 2, 2, 2 + (196 - size.cx) / 2 + size.cx, 2 + size.cy);
            p->Draw(cell.DC(), box, box, CPoint(0, 0));
        }
        perThumbnail.push_back(BenchSeconds() - t);
    }
    total = BenchSeconds() - total;
    printf("%d thumbnails: %.2f s in all, %.1f ms each (median), %.1f ms the slowest; cache %u MB\n", files, total,
           BenchMedian(perThumbnail) * 1000, *std::max_element(perThumbnail.begin(), perThumbnail.end()) * 1000,
           (unsigned)(GetPictureCacheTotal() >> 20));
    FreePictureCache();

    BenchMetafileDrawing(runs);
    BenchThumbnailMaker(folder, files);
    BenchThumbnailGrid(folder, files);
    RemovePhotos(folder, files);
    return 0;
}
