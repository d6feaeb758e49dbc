// Proves that the cross-built third-party libraries are linked and work.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <csetjmp>
#include <string>
#include <vector>

#include <zlib.h>
#include <png.h>

#include "support/PictureEncoding.h"

TEST(Zlib, CompressUncompressRoundTrip)
{
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += "Agouti locus a^y a^w a^t a; ";
    uLongf packedSize = compressBound(text.size());
    std::vector<Bytef> packed(packedSize);
    ASSERT_EQ(Z_OK, compress(packed.data(), &packedSize,
                             reinterpret_cast<const Bytef*>(text.data()), text.size()));
    EXPECT_LT(packedSize, text.size() / 10);

    std::vector<Bytef> plain(text.size());
    uLongf plainSize = plain.size();
    ASSERT_EQ(Z_OK, uncompress(plain.data(), &plainSize, packed.data(), packedSize));
    ASSERT_EQ(text.size(), plainSize);
    EXPECT_EQ(0, std::memcmp(text.data(), plain.data(), plainSize));

    packed[packedSize / 2] ^= 0x55;   // damaged stream must be refused
    plainSize = plain.size();
    EXPECT_NE(Z_OK, uncompress(plain.data(), &plainSize, packed.data(), packedSize));
}

namespace {

const int kWidth = 32, kHeight = 16;

std::vector<unsigned char> MakeGradient()
{
    std::vector<unsigned char> rgb(kWidth * kHeight * 3);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            unsigned char* p = &rgb[(y * kWidth + x) * 3];
            p[0] = static_cast<unsigned char>(x * 8);
            p[1] = static_cast<unsigned char>(y * 16);
            p[2] = 128;
        }
    return rgb;
}

} // namespace

TEST(Libjpeg, EncodeAndDecodeSmallImage)
{
    const std::vector<unsigned char> rgb = MakeGradient();

    const std::vector<BYTE> encoded =
        EncodeJpeg({kWidth, kHeight, JCS_RGB, 3, 95, false}, [&](int y, JSAMPLE* line) {
            std::memcpy(line, &rgb[y * kWidth * 3], kWidth * 3);
        });
    ASSERT_GT(encoded.size(), 100u);
    EXPECT_EQ(0xFF, encoded[0]);
    EXPECT_EQ(0xD8, encoded[1]);

    jpeg_decompress_struct dinfo;
    jpeg_error_mgr jerr;
    dinfo.err = jpeg_std_error(&jerr);
    jpeg_create_decompress(&dinfo);
    jpeg_mem_src(&dinfo, encoded.data(), encoded.size());
    ASSERT_EQ(JPEG_HEADER_OK, jpeg_read_header(&dinfo, TRUE));
    jpeg_start_decompress(&dinfo);
    EXPECT_EQ(static_cast<JDIMENSION>(kWidth), dinfo.output_width);
    EXPECT_EQ(static_cast<JDIMENSION>(kHeight), dinfo.output_height);
    ASSERT_EQ(3, dinfo.output_components);
    std::vector<unsigned char> decoded(kWidth * kHeight * 3);
    while (dinfo.output_scanline < dinfo.output_height) {
        JSAMPROW row = &decoded[dinfo.output_scanline * kWidth * 3];
        jpeg_read_scanlines(&dinfo, &row, 1);
    }
    jpeg_finish_decompress(&dinfo);
    jpeg_destroy_decompress(&dinfo);

    int worst = 0;   // lossy, but close at quality 95
    for (size_t i = 0; i < rgb.size(); ++i)
        worst = std::max(worst, std::abs(int(rgb[i]) - int(decoded[i])));
    EXPECT_LT(worst, 24);
}

namespace {

void AppendToVector(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

} // namespace

TEST(Libpng, WritesSignatureAndHeader)
{
    const std::vector<unsigned char> rgb = MakeGradient();
    std::vector<unsigned char> file;

    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, png);
    png_infop info = png_create_info_struct(png);
    ASSERT_NE(nullptr, info);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        FAIL() << "libpng reported an error";
    }
    png_set_write_fn(png, &file, AppendToVector, nullptr);
    png_set_IHDR(png, info, kWidth, kHeight, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < kHeight; ++y)
        png_write_row(png, const_cast<png_bytep>(&rgb[y * kWidth * 3]));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);

    static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GT(file.size(), 33u);
    EXPECT_EQ(0, std::memcmp(file.data(), signature, 8));
    EXPECT_EQ(0, std::memcmp(&file[12], "IHDR", 4));
    auto be32 = [&](size_t at) {
        return (unsigned(file[at]) << 24) | (unsigned(file[at + 1]) << 16) |
               (unsigned(file[at + 2]) << 8) | unsigned(file[at + 3]);
    };
    EXPECT_EQ(unsigned(kWidth), be32(16));
    EXPECT_EQ(unsigned(kHeight), be32(20));
    EXPECT_EQ(0, std::memcmp(&file[file.size() - 8], "IEND", 4));
}
