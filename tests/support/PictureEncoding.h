#pragma once
// Pictures made as bytes, for the tests and the benchmarks: JPEG through
// libjpeg's encoder, Windows and enhanced metafiles recorded through the
// platform's metafile device contexts. Header only, so that test_support does
// not link libjpeg: whoever includes it links libjpeg and gdi32.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include <jpeglib.h>

struct JpegSettings
{
    int width;
    int height;
    J_COLOR_SPACE colourSpace; // JCS_RGB, JCS_GRAYSCALE or JCS_CMYK
    int components;            // samples a pixel: 3, 1 or 4
    int quality;
    bool progressive;
};

// A JPEG file whose line y 'fillLine' fills, lines in order from the top.
inline std::vector<BYTE> EncodeJpeg(const JpegSettings& settings,
                                    const std::function<void(int y, JSAMPLE* line)>& fillLine)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr error;
    cinfo.err = jpeg_std_error(&error);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = NULL;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = settings.width;
    cinfo.image_height = settings.height;
    cinfo.input_components = settings.components;
    cinfo.in_color_space = settings.colourSpace;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, settings.quality, TRUE);
    if (settings.progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> line((size_t)settings.width * settings.components);
    while (cinfo.next_scanline < cinfo.image_height)
    {
        fillLine((int)cinfo.next_scanline, line.data());
        JSAMPROW row = line.data();
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<BYTE> out(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

// A Windows metafile (without the placeable header) recorded by 'draw'.
inline std::vector<BYTE> MakePlainWmf(const std::function<void(HDC)>& draw)
{
    HDC dc = ::CreateMetaFileA(NULL);
    draw(dc);
    HMETAFILE metafile = ::CloseMetaFile(dc);
    std::vector<BYTE> out(::GetMetaFileBitsEx(metafile, 0, NULL));
    ::GetMetaFileBitsEx(metafile, (UINT)out.size(), out.data());
    ::DeleteMetaFile(metafile);
    return out;
}

// An enhanced metafile of the given frame (hundredths of a millimetre)
// recorded by 'draw'.
inline std::vector<BYTE> MakeEmf(const RECT& frame, const std::function<void(HDC)>& draw)
{
    HDC dc = ::CreateEnhMetaFileA(NULL, NULL, &frame, NULL);
    draw(dc);
    HENHMETAFILE metafile = ::CloseEnhMetaFile(dc);
    std::vector<BYTE> out(::GetEnhMetaFileBits(metafile, 0, NULL));
    ::GetEnhMetaFileBits(metafile, (UINT)out.size(), out.data());
    ::DeleteEnhMetaFile(metafile);
    return out;
}
