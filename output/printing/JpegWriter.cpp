// JPEG output of images through libjpeg. Library errors jump back to the
// recovery point in WriteJpegImage; nothing between it and the library calls
// has a destructor, and no C++ exception passes through the library.
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "output/printing/DibRows.h"

extern "C" {
#include <jerror.h>
#include <jpeglib.h>
}

namespace
{
const size_t OutputBlock = 4096;

struct JpegErrors
{
    jpeg_error_mgr base;
    jmp_buf recovery;
    char* text;
};

struct JpegDestination
{
    jpeg_destination_mgr base;
    CImageStream* stream;
    JOCTET* buffer;
};

void ExitWithError(j_common_ptr info)
{
    JpegErrors* errors = reinterpret_cast<JpegErrors*>(info->err);
    char message[JMSG_LENGTH_MAX];
    (*info->err->format_message)(info, message);
    lstrcpynA(errors->text, message, 256);
    longjmp(errors->recovery, 1);
}

void InitDestination(j_compress_ptr info)
{
    JpegDestination* destination = reinterpret_cast<JpegDestination*>(info->dest);
    destination->base.next_output_byte = destination->buffer;
    destination->base.free_in_buffer = OutputBlock;
}

boolean WriteFullBlock(j_compress_ptr info)
{
    JpegDestination* destination = reinterpret_cast<JpegDestination*>(info->dest);
    if (destination->stream->Write(destination->buffer, 1, OutputBlock) != OutputBlock)
        ERREXIT(info, JERR_FILE_WRITE);
    destination->base.next_output_byte = destination->buffer;
    destination->base.free_in_buffer = OutputBlock;
    return TRUE;
}

void WriteLastBlock(j_compress_ptr info)
{
    JpegDestination* destination = reinterpret_cast<JpegDestination*>(info->dest);
    size_t count = OutputBlock - destination->base.free_in_buffer;
    if (count > 0 && destination->stream->Write(destination->buffer, 1, count) != count)
        ERREXIT(info, JERR_FILE_WRITE);
    destination->stream->Flush();
    if (destination->stream->HasError())
        ERREXIT(info, JERR_FILE_WRITE);
}
} // namespace

BOOL WriteJpegImage(const DibRows* rows, CImageStream* stream, char* error)
{
    jpeg_compress_struct info;
    JpegErrors errors;
    JpegDestination destination;
    memset(&info, 0, sizeof(info));
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = ExitWithError;
    errors.text = error;
    destination.stream = stream;
    destination.buffer = (JOCTET*)malloc(OutputBlock);
    if (destination.buffer == NULL)
    {
        lstrcpynA(error, "Not enough memory for JPEG output", 256);
        return FALSE;
    }
    if (setjmp(errors.recovery) != 0)
    {
        jpeg_destroy_compress(&info);
        free(destination.buffer);
        return FALSE;
    }

    jpeg_create_compress(&info);
    destination.base.init_destination = InitDestination;
    destination.base.empty_output_buffer = WriteFullBlock;
    destination.base.term_destination = WriteLastBlock;
    info.dest = &destination.base;
    info.image_width = rows->width;
    info.image_height = rows->height;
    bool grey = rows->bitCount != 24;
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, rows->quality, TRUE);
    info.density_unit = 1;
    info.X_density = (UINT16)rows->xDpi;
    info.Y_density = (UINT16)rows->yDpi;
    jpeg_start_compress(&info, TRUE);

    JSAMPARRAY line = (*info.mem->alloc_sarray)((j_common_ptr)&info, JPOOL_IMAGE, rows->rowWidth + 8, 1);
    while (info.next_scanline < info.image_height)
    {
        const BYTE* source = rows->pixels + (size_t)(rows->height - 1 - info.next_scanline) * rows->rowWidth;
        JSAMPROW target = line[0];
        if (grey)
            memcpy(target, source, rows->width);
        else
            for (int x = 0; x < rows->width; ++x)
            {
                target[3 * x] = source[3 * x + 2];
                target[3 * x + 1] = source[3 * x + 1];
                target[3 * x + 2] = source[3 * x];
            }
        jpeg_write_scanlines(&info, line, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    free(destination.buffer);
    return TRUE;
}
