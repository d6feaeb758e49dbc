// PNG output of images through libpng. Library errors jump back to the
// recovery point in WritePngImage; nothing between it and the library calls
// has a destructor, and no C++ exception passes through the library.
#include <csetjmp>
#include <cstdlib>
#include <cstring>

#include <png.h>

#include "output/printing/DibRows.h"

namespace
{
void WriteData(png_structp png, png_bytep data, png_size_t length)
{
    CImageStream* stream = static_cast<CImageStream*>(png_get_io_ptr(png));
    if (stream->Write(data, 1, length) != length)
        png_error(png, "Write Error");
}

void FlushData(png_structp png)
{
    CImageStream* stream = static_cast<CImageStream*>(png_get_io_ptr(png));
    if (stream->Flush() != 0)
        png_error(png, "Flush Error");
}

void Fail(char* error, const char* text)
{
    lstrcpynA(error, text, 256);
}

// The writer's own buffers, freed by hand: a library error jumps past any destructor.
struct PngBuffers
{
    png_bytep row;
    png_colorp palette;
    png_bytep alphas;
};

void Release(png_structp* png, png_infop* info, const PngBuffers& buffers)
{
    free(buffers.row);
    free(buffers.palette);
    free(buffers.alphas);
    png_destroy_write_struct(png, info);
}

BOOL GiveUp(png_structp* png, png_infop* info, const PngBuffers& buffers, char* error)
{
    Release(png, info, buffers);
    Fail(error, "Error saving PNG file");
    return FALSE;
}
} // namespace

BOOL WritePngImage(const DibRows* rows, CImageStream* stream, char* error)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, NULL, NULL, NULL);
    if (png == NULL)
    {
        Fail(error, "Failed to create PNG structure");
        return FALSE;
    }
    png_infop info = png_create_info_struct(png);
    if (info == NULL)
    {
        png_destroy_write_struct(&png, NULL);
        Fail(error, "Failed to initialize PNG info structure");
        return FALSE;
    }
    // Room for a row of four bytes per pixel, whatever the image holds.
    PngBuffers buffers;
    buffers.row = (png_bytep)malloc((size_t)rows->width * 4 + 16);
    buffers.palette = (png_colorp)malloc(sizeof(png_color) * (rows->colours > 0 ? rows->colours : 1));
    buffers.alphas = (png_bytep)malloc(rows->colours > 0 ? rows->colours : 1);
    if (buffers.row == NULL || buffers.palette == NULL || buffers.alphas == NULL)
        return GiveUp(&png, &info, buffers, error);
    if (setjmp(png_jmpbuf(png)) != 0)
        return GiveUp(&png, &info, buffers, error);

    png_set_write_fn(png, stream, WriteData, FlushData);
    bool paletted = rows->bitCount <= 8;
    png_set_IHDR(png, info, rows->width, rows->height, paletted ? rows->bitCount : 8,
                 paletted ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (paletted)
    {
        for (int i = 0; i < rows->colours; ++i)
        {
            buffers.palette[i].red = rows->palette[i].rgbRed;
            buffers.palette[i].green = rows->palette[i].rgbGreen;
            buffers.palette[i].blue = rows->palette[i].rgbBlue;
            buffers.alphas[i] = 255;
        }
        png_set_PLTE(png, info, buffers.palette, rows->colours);
        if (rows->transparentIndex >= 0 && rows->transparentIndex < rows->colours)
        {
            buffers.alphas[rows->transparentIndex] = 0;
            png_set_tRNS(png, info, buffers.alphas, rows->transparentIndex + 1, NULL);
        }
    }
    else if (rows->transparentColourSet)
    {
        png_color_16 colour;
        memset(&colour, 0, sizeof(colour));
        colour.red = rows->transparentColour.rgbRed;
        colour.green = rows->transparentColour.rgbGreen;
        colour.blue = rows->transparentColour.rgbBlue;
        png_set_tRNS(png, info, NULL, 0, &colour);
    }
    png_set_pHYs(png, info, (png_uint_32)(rows->xDpi * 10000.0 / 254 + 0.5),
                 (png_uint_32)(rows->yDpi * 10000.0 / 254 + 0.5), PNG_RESOLUTION_METER);
    png_write_info(png, info);

    size_t rowBytes = ((size_t)rows->bitCount * rows->width + 7) / 8;
    for (int y = 0; y < rows->height; ++y)
    {
        const BYTE* source = rows->pixels + (size_t)(rows->height - 1 - y) * rows->rowWidth;
        if (paletted)
            memcpy(buffers.row, source, rowBytes);
        else
            for (int x = 0; x < rows->width; ++x)
            {
                buffers.row[3 * x] = source[3 * x + 2];
                buffers.row[3 * x + 1] = source[3 * x + 1];
                buffers.row[3 * x + 2] = source[3 * x];
            }
        png_write_row(png, buffers.row);
    }
    png_write_end(png, info);
    Release(&png, &info, buffers);
    return TRUE;
}
