#pragma once

#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

// Feeds the decompressor from a block of memory in 4096-byte steps, like the
// library's file source: data that ends early is closed with an end-of-image
// marker after a warning; data that holds nothing at all is an error.
void SetJpegMemorySource(j_decompress_ptr cinfo, const unsigned char* data, size_t size);
