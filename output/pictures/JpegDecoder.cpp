#include "output/pictures/JpegDecoder.h"

#include "foundation/files/ByteBuffer.h"
#include "foundation/files/FileOperations.h"
#include "foundation/windows/OwnedHandle.h"
#include "output/pictures/JpegMemorySource.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jerror.h>

namespace
{
// The library reports fatal errors through error_exit, which must not
// return: it jumps back to the decoder's recovery point, as the library
// intends, so that no C++ exception passes through the library's frames.
struct ErrorManager
{
    jpeg_error_mgr pub;
    jmp_buf recovery;
    char message[JMSG_LENGTH_MAX + 32];
};

void JpegErrorExit(j_common_ptr cinfo)
{
    ErrorManager* error = (ErrorManager*)cinfo->err;
    char text[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, text);
    std::snprintf(error->message, sizeof(error->message), "jpeg load failed: %s\n", text);
    std::longjmp(error->recovery, 1);
}

// Warnings (such as data that ends early) are not shown anywhere.
void JpegOutputMessage(j_common_ptr)
{
}

void AllocationFailed(j_decompress_ptr cinfo)
{
    ErrorManager* error = (ErrorManager*)cinfo->err;
    std::snprintf(error->message, sizeof(error->message), "unable to allocate bitmap memory");
    std::longjmp(error->recovery, 1);
}

void ConvertCmykRow(BYTE* row, const JSAMPLE* line, JDIMENSION width)
{
    for (JDIMENSION x = 0; x < width; ++x, row += 3, line += 4)
    {
        unsigned c = line[0], m = line[1], y = line[2], k = line[3];
        row[0] = (BYTE)(k * y / 255);
        row[1] = (BYTE)(k * m / 255);
        row[2] = (BYTE)(k * c / 255);
    }
}

void SwapRedAndBlue(BYTE* row, JDIMENSION width)
{
    for (JDIMENSION x = 0; x < width; ++x, row += 3)
    {
        BYTE red = row[0];
        row[0] = row[2];
        row[2] = red;
    }
}

struct GreyBitmapInfo
{
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

// Decodes from a file stream or from memory (file null) into a section that
// the caller owns, at the smallest of the library's reductions (1/2, 1/4,
// 1/8) that keeps at least minWidth x minHeight pixels when those are given.
// Objects with destructors stay out of this frame: the error exit jumps over
// it, and the caller frees a section left from a failed decoding.
BOOL DecodeInto(COwnedGdiObject<HBITMAP>& section, FILE* file, const BYTE* data, DWORD size, BYTE** bitsOut,
                int minWidth, int minHeight, SIZE* fullSize)
{
    jpeg_decompress_struct cinfo;
    ErrorManager error;
    *bitsOut = NULL;
    cinfo.err = jpeg_std_error(&error.pub);
    error.pub.error_exit = JpegErrorExit;
    error.pub.output_message = JpegOutputMessage;
    error.message[0] = '\0';
    if (setjmp(error.recovery))
    {
        jpeg_destroy_decompress(&cinfo);
        *bitsOut = NULL;
        return FALSE;
    }
    jpeg_create_decompress(&cinfo);
    if (file != NULL)
        jpeg_stdio_src(&cinfo, file);
    else
        SetJpegMemorySource(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);
    if (fullSize != NULL)
    {
        fullSize->cx = (LONG)cinfo.image_width;
        fullSize->cy = (LONG)cinfo.image_height;
    }
    if (minWidth > 0 && minHeight > 0)
    {
        unsigned denominator = 8;
        while (denominator > 1 && ((cinfo.image_width + denominator - 1) / denominator < (unsigned)minWidth ||
                                   (cinfo.image_height + denominator - 1) / denominator < (unsigned)minHeight))
            denominator /= 2;
        cinfo.scale_num = 1;
        cinfo.scale_denom = denominator;
        cinfo.dct_method = JDCT_IFAST;
        cinfo.do_fancy_upsampling = FALSE;
    }
    jpeg_start_decompress(&cinfo);

    const JDIMENSION width = cinfo.output_width;
    const JDIMENSION height = cinfo.output_height;
    const int components = cinfo.output_components;
    const int bitCount = components * 8 <= 8 ? 8 : 24;
    const unsigned long long rowBytes = (((unsigned long long)width * bitCount + 7) / 8 + 3) & ~3ull;
    if (rowBytes * height > MaxDecodedPictureBytes || (unsigned long long)width * height > MaxDecodedPicturePixels ||
        (components != 1 && components != 3 && components != 4))
        AllocationFailed(&cinfo);

    GreyBitmapInfo info;
    std::memset(&info, 0, sizeof(info));
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = (LONG)width;
    info.header.biHeight = (LONG)height;
    info.header.biPlanes = 1;
    info.header.biBitCount = (WORD)bitCount;
    info.header.biCompression = BI_RGB;
    info.header.biSizeImage = (DWORD)(rowBytes * height);
    if (components == 1)
    {
        info.header.biClrUsed = 256;
        for (int i = 0; i < 256; ++i)
        {
            info.colours[i].rgbBlue = info.colours[i].rgbGreen = info.colours[i].rgbRed = (BYTE)i;
        }
    }
    void* pixels = NULL;
    section.Reset(::CreateDIBSection(NULL, (BITMAPINFO*)&info, DIB_RGB_COLORS, &pixels, NULL, 0));
    if (!section || pixels == NULL)
    {
        jpeg_abort_decompress(&cinfo);
        AllocationFailed(&cinfo);
    }

    JSAMPARRAY line = (*cinfo.mem->alloc_sarray)((j_common_ptr)&cinfo, JPOOL_IMAGE, width * (JDIMENSION)components, 1);
    BYTE* bottom = (BYTE*)pixels;
    while (cinfo.output_scanline < height)
    {
        BYTE* row = bottom + (size_t)rowBytes * (height - 1 - cinfo.output_scanline);
        if (components == 4)
        {
            if (jpeg_read_scanlines(&cinfo, line, 1) != 1)
                break;
            ConvertCmykRow(row, line[0], width);
        }
        else
        {
            JSAMPROW target = row;
            if (jpeg_read_scanlines(&cinfo, &target, 1) != 1)
                break;
            if (components == 3)
                SwapRedAndBlue(row, width);
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    *bitsOut = (BYTE*)pixels;
    return TRUE;
}

HBITMAP Decode(FILE* file, const BYTE* data, DWORD size, BYTE** bitsOut, int minWidth = 0, int minHeight = 0,
               SIZE* fullSize = NULL)
{
    COwnedGdiObject<HBITMAP> section;
    if (!DecodeInto(section, file, data, size, bitsOut, minWidth, minHeight, fullSize))
        return NULL;
    return section.Release();
}
}

HBITMAP DecodeJpegFile(LPCTSTR path, BYTE** bits)
{
    *bits = NULL;
    FILE* file = OpenFileStream(path, "rb");
    if (file == NULL)
        return NULL;
    HBITMAP section = Decode(file, NULL, 0, bits);
    CloseFileStream(file);
    return section;
}

HBITMAP DecodeJpegFromMemory(const BYTE* data, DWORD size, BYTE** bits)
{
    *bits = NULL;
    if (data == NULL)
        return NULL;
    return Decode(NULL, data, size, bits);
}

HBITMAP DecodeJpegFromMemory(const CByteBuffer& data, BYTE** bits)
{
    return DecodeJpegFromMemory(data.GetData(), data.GetLength(), bits);
}

HBITMAP DecodeJpegFromMemoryForSize(const BYTE* data, DWORD size, int minWidth, int minHeight, BYTE** bits,
                                    SIZE* fullSize)
{
    *bits = NULL;
    if (data == NULL)
        return NULL;
    return Decode(NULL, data, size, bits, minWidth < 1 ? 1 : minWidth, minHeight < 1 ? 1 : minHeight, fullSize);
}
