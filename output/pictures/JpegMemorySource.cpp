#include "output/pictures/JpegMemorySource.h"

#include <cstring>

#include <jerror.h>

namespace
{
const size_t BufferSize = 4096;

struct MemorySource
{
    jpeg_source_mgr pub;
    const unsigned char* data;
    size_t size;
    size_t position;
    JOCTET* buffer;
    boolean startOfFile;
};

void InitSource(j_decompress_ptr cinfo)
{
    ((MemorySource*)cinfo->src)->startOfFile = TRUE;
}

boolean FillInputBuffer(j_decompress_ptr cinfo)
{
    MemorySource* source = (MemorySource*)cinfo->src;
    size_t count = source->size - source->position;
    if (count > BufferSize)
        count = BufferSize;
    if (count == 0)
    {
        if (source->startOfFile)
            ERREXIT(cinfo, JERR_INPUT_EMPTY);
        WARNMS(cinfo, JWRN_JPEG_EOF);
        source->buffer[0] = (JOCTET)0xFF;
        source->buffer[1] = (JOCTET)JPEG_EOI;
        count = 2;
    }
    else
    {
        std::memcpy(source->buffer, source->data + source->position, count);
        source->position += count;
    }
    source->pub.next_input_byte = source->buffer;
    source->pub.bytes_in_buffer = count;
    source->startOfFile = FALSE;
    return TRUE;
}

void SkipInputData(j_decompress_ptr cinfo, long count)
{
    if (count < 1)
        return;
    jpeg_source_mgr* source = cinfo->src;
    while (count > (long)source->bytes_in_buffer)
    {
        count -= (long)source->bytes_in_buffer;
        FillInputBuffer(cinfo);
    }
    source->next_input_byte += count;
    source->bytes_in_buffer -= count;
}

void TermSource(j_decompress_ptr)
{
}
}

void SetJpegMemorySource(j_decompress_ptr cinfo, const unsigned char* data, size_t size)
{
    if (cinfo->src == NULL)
    {
        MemorySource* source =
            (MemorySource*)(*cinfo->mem->alloc_small)((j_common_ptr)cinfo, JPOOL_PERMANENT, sizeof(MemorySource));
        source->buffer = (JOCTET*)(*cinfo->mem->alloc_small)((j_common_ptr)cinfo, JPOOL_PERMANENT, BufferSize);
        cinfo->src = &source->pub;
    }
    MemorySource* source = (MemorySource*)cinfo->src;
    source->pub.init_source = InitSource;
    source->pub.fill_input_buffer = FillInputBuffer;
    source->pub.skip_input_data = SkipInputData;
    source->pub.resync_to_restart = jpeg_resync_to_restart;
    source->pub.term_source = TermSource;
    source->data = data;
    source->size = size;
    source->position = 0;
    source->pub.bytes_in_buffer = 0;
    source->pub.next_input_byte = NULL;
}
