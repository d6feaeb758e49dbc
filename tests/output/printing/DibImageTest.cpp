#include "output/printing/DibImage.h"

#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <png.h>
extern "C" {
#include <jpeglib.h>
}

#include "foundation/windows/OwnedHandle.h"
#include "support/ScratchFolder.h"
#include "support/TestCanvas.h"

namespace
{
// A 24-bit image, white with a black square in its top-left quarter.
void MakeTestImage(CDibImage& image, int width, int height)
{
    ASSERT_NE(nullptr, image.Create(width, height, 32, IMAGE_BMP));
    for (int y = 0; y < height; ++y)
    {
        BYTE* row = image.GetRow(height - 1 - y); // picture row y
        for (int x = 0; x < width; ++x)
        {
            BYTE value = (x < width / 2 && y < height / 2) ? 0 : 255;
            row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = value;
        }
    }
    image.GetRow(height - 1)[2] = 200; // the picture's top-left pixel is reddish
}

std::vector<BYTE> ReadFile(const char* path)
{
    std::vector<BYTE> bytes;
    FILE* file = fopen(path, "rb");
    if (file == NULL)
        return bytes;
    int c;
    while ((c = fgetc(file)) != EOF)
        bytes.push_back((BYTE)c);
    fclose(file);
    return bytes;
}

// Decoded pixels as top-down RGB rows.
struct Decoded
{
    int width = 0, height = 0, components = 0;
    std::vector<BYTE> pixels;
    int At(int x, int y, int c) const { return pixels[(size_t)(y * width + x) * components + c]; }
};

Decoded ReadPng(const char* path)
{
    Decoded result;
    png_image image;
    memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path))
        return result;
    image.format = PNG_FORMAT_RGB;
    result.width = image.width;
    result.height = image.height;
    result.components = 3;
    result.pixels.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, NULL, result.pixels.data(), 0, NULL))
        result.width = 0;
    return result;
}

struct JpegReadErrors
{
    jpeg_error_mgr base;
    jmp_buf recovery;
};

void JumpOnError(j_common_ptr info)
{
    longjmp(reinterpret_cast<JpegReadErrors*>(info->err)->recovery, 1);
}

Decoded ReadJpeg(const char* path)
{
    Decoded result;
    FILE* file = fopen(path, "rb");
    if (file == NULL)
        return result;
    jpeg_decompress_struct info;
    JpegReadErrors errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpOnError;
    if (setjmp(errors.recovery) != 0)
    {
        jpeg_destroy_decompress(&info);
        fclose(file);
        result.width = 0;
        return result;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    jpeg_start_decompress(&info);
    result.width = info.output_width;
    result.height = info.output_height;
    result.components = info.output_components;
    result.pixels.resize((size_t)result.width * result.height * result.components);
    while (info.output_scanline < info.output_height)
    {
        JSAMPROW row = result.pixels.data() + (size_t)info.output_scanline * result.width * result.components;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    fclose(file);
    return result;
}

TEST(DibImageTest, CreatesImagesOfTheRoundedBitCount)
{
    struct
    {
        int asked, bits, colours, rowWidth;
    } rows[] = {{1, 1, 2, 4}, {2, 4, 16, 8}, {8, 8, 256, 12}, {16, 24, 0, 32}, {32, 24, 0, 32}};
    for (const auto& row : rows)
    {
        CDibImage image(IMAGE_BMP);
        ASSERT_NE(nullptr, image.Create(10, 3, row.asked, IMAGE_BMP));
        EXPECT_EQ(row.bits, image.GetBitCount());
        EXPECT_EQ(row.colours, image.GetColourCount());
        EXPECT_EQ(row.rowWidth, image.GetRowWidth());
        EXPECT_EQ(40u + 4 * row.colours + row.rowWidth * 3, image.GetSize());
    }
    CDibImage image(IMAGE_BMP);
    EXPECT_EQ(nullptr, image.Create(0, 10, 24, IMAGE_BMP));
    image.SetXDpi(72);
    EXPECT_EQ(72, image.m_xDpi);
}

TEST(DibImageTest, SavesBmpPngAndJpegTopRowFirst)
{
    CScratchFolder folder("dibimage");
    CDibImage image(IMAGE_BMP);
    MakeTestImage(image, 100, 100);
    image.SetXDpi(300);
    image.SetYDpi(300);

    CString bmp = CString((folder / "page.bmp").c_str());
    ASSERT_TRUE(image.SaveToFile(bmp, IMAGE_BMP));
    std::vector<BYTE> bytes = ReadFile(bmp);
    ASSERT_EQ(30054u, bytes.size());
    EXPECT_EQ('B', bytes[0]);
    EXPECT_EQ('M', bytes[1]);
    EXPECT_EQ(30054u, *(DWORD*)&bytes[2]);
    EXPECT_EQ(54u, *(DWORD*)&bytes[10]);
    EXPECT_EQ(11811, ((BITMAPINFOHEADER*)&bytes[14])->biXPelsPerMeter);

    CString png = CString((folder / "page.png").c_str());
    ASSERT_TRUE(image.SaveToFile(png, IMAGE_PNG)) << image.GetLastError();
    Decoded decoded = ReadPng(png);
    ASSERT_EQ(100, decoded.width);
    ASSERT_EQ(100, decoded.height);
    EXPECT_EQ(200, decoded.At(0, 0, 0));  // top-left, red
    EXPECT_EQ(0, decoded.At(10, 10, 1));  // inside the square
    EXPECT_EQ(255, decoded.At(90, 10, 1)); // right of it
    EXPECT_EQ(255, decoded.At(10, 90, 1)); // below it

    CString jpeg = CString((folder / "page.jpg").c_str());
    ASSERT_TRUE(image.SaveToFile(jpeg, IMAGE_JPEG)) << image.GetLastError();
    decoded = ReadJpeg(jpeg);
    ASSERT_EQ(100, decoded.width);
    ASSERT_EQ(3, decoded.components);
    EXPECT_LT(decoded.At(10, 10, 1), 30);
    EXPECT_GT(decoded.At(90, 10, 1), 225);
    EXPECT_GT(decoded.At(10, 90, 1), 225);

    // The source is left as it was.
    EXPECT_EQ(200, image.GetRow(99)[2]);
}

TEST(DibImageTest, PaletteImagesAndRefusals)
{
    CScratchFolder folder("dibimage");
    CDibImage grey(IMAGE_BMP);
    ASSERT_NE(nullptr, grey.Create(16, 4, 8, IMAGE_BMP));
    for (int i = 0; i < 256; ++i)
        grey.SetPaletteColour(i, RGBQUAD{(BYTE)i, (BYTE)i, (BYTE)i, 0});
    for (int x = 0; x < 16; ++x)
        grey.SetPixelIndex(x, 3, x * 16);
    EXPECT_TRUE(grey.IsGrayScale());
    CString jpeg = CString((folder / "grey.jpg").c_str());
    ASSERT_TRUE(grey.SaveToFile(jpeg, IMAGE_JPEG));
    EXPECT_EQ(1, ReadJpeg(jpeg).components);

    CDibImage colours(IMAGE_BMP);
    ASSERT_NE(nullptr, colours.Create(8, 8, 4, IMAGE_BMP));
    colours.SetPaletteColour(1, RGBQUAD{0, 0, 255, 0});
    colours.SetPixelIndex(3, 7, 1);
    colours.SetPixelIndex(4, 7, 1);
    EXPECT_EQ(1, colours.GetPixelIndex(3, 7));
    EXPECT_EQ(0, colours.GetPixelIndex(5, 7));
    EXPECT_FALSE(colours.SaveToFile(CString((folder / "colours.jpg").c_str()), IMAGE_JPEG));
    EXPECT_STREQ("JPEG can save only RGB or GreyScale images", colours.GetLastError());
    colours.m_transparentIndex = 1;
    CString png = CString((folder / "colours.png").c_str());
    ASSERT_TRUE(colours.SaveToFile(png, IMAGE_PNG)) << colours.GetLastError();
    Decoded decoded = ReadPng(png);
    ASSERT_EQ(8, decoded.width);
    EXPECT_EQ(1, colours.GetPixelIndex(3, 7)); // no index was swapped in the source

    // An icon of the palette image, its transparent colour masked.
    CString icon = CString((folder / "colours.ico").c_str());
    ASSERT_TRUE(colours.SaveToFile(icon, IMAGE_ICO)) << colours.GetLastError();
    COwnedIcon loaded((HICON)::LoadImageA(NULL, icon, IMAGE_ICON, 8, 8, LR_LOADFROMFILE));
    EXPECT_NE((HICON)NULL, loaded.Get());
    std::vector<BYTE> iconBytes = ReadFile(icon);
    ASSERT_EQ(22u + 40 + 64 + 8 * 4 + 8 * 4, iconBytes.size());
    EXPECT_EQ(0x18, iconBytes[22 + 40 + 64 + 32 + 7 * 4]); // mask row 7: pixels 3 and 4 transparent
    CDibImage wide(IMAGE_BMP);
    ASSERT_NE(nullptr, wide.Create(256, 10, 8, IMAGE_BMP));
    EXPECT_FALSE(wide.SaveToFile(CString((folder / "wide.ico").c_str()), IMAGE_ICO));
    EXPECT_STREQ("Can't save this image as icon", wide.GetLastError());

    EXPECT_FALSE(colours.SaveToFile(CString((folder / "x.ico").c_str()), 5));
    EXPECT_STREQ("Unsupported operation for this format", colours.GetLastError());
    EXPECT_FALSE(colours.SaveToFile(CString((folder / "missing\\folder\\x.png").c_str()), IMAGE_PNG));
}

TEST(DibImageTest, WritesToMemoryStreamsAndReportsFailedWrites)
{
    CDibImage image(IMAGE_BMP);
    MakeTestImage(image, 64, 64);
    for (int format : {IMAGE_BMP, IMAGE_PNG, IMAGE_JPEG})
    {
        CImageStream memory;
        EXPECT_TRUE(image.Encode(&memory, format)) << format;
        EXPECT_GT(memory.GetSize(), 100u) << format;
    }
    // A file opened for reading cannot take the image.
    CScratchFolder folder("dibimage");
    CString path = CString((folder / "readonly.bin").c_str());
    FILE* create = fopen(path, "wb");
    fclose(create);
    for (int format : {IMAGE_BMP, IMAGE_PNG, IMAGE_JPEG})
    {
        FILE* file = fopen(path, "rb");
        CImageStream stream(file);
        EXPECT_FALSE(image.Encode(&stream, format)) << format;
        EXPECT_STRNE("", image.GetLastError()) << format;
        fclose(file);
    }
}

TEST(DibImageTest, ImageFromAPageBitmap)
{
    COwnedGdiObject<HBITMAP> bitmap;
    {
        CTestCanvas page(40, 30);
        ::PatBlt(page.Dc(), 0, 0, 40, 30, WHITENESS);
        ::PatBlt(page.Dc(), 0, 0, 10, 10, BLACKNESS);
        bitmap.Reset(page.TakeBitmap());
    }

    CDibImage image(IMAGE_BMP);
    ASSERT_TRUE(image.CreateFromBitmap(bitmap));
    EXPECT_EQ(40, image.GetWidth());
    EXPECT_EQ(30, image.GetHeight());
    EXPECT_EQ(24, image.GetBitCount());
    EXPECT_EQ(0, image.GetPixelColour(5, 29 - 5).rgbGreen);
    EXPECT_EQ(255, image.GetPixelColour(20, 29 - 5).rgbGreen);
    EXPECT_FALSE(image.CreateFromBitmap(NULL));
}
} // namespace
