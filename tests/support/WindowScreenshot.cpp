#include "support/WindowScreenshot.h"

#include "support/TestCanvas.h"

#include <png.h>

#include <cstdio>
#include <vector>

namespace
{
    bool WritePng(const std::string& path, int width, int height, const unsigned char* bgra)
    {
        FILE* file = std::fopen(path.c_str(), "wb");
        if (file == NULL)
            return false;
        png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, NULL, NULL, NULL);
        png_infop info = png != NULL ? png_create_info_struct(png) : NULL;
        bool written = false;
        if (info != NULL && setjmp(png_jmpbuf(png)) == 0)
        {
            png_init_io(png, file);
            png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                         PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
            png_write_info(png, info);
            std::vector<unsigned char> row((size_t)width * 4);
            for (int y = 0; y < height; y++)
            {
                const unsigned char* source = &bgra[(size_t)y * width * 4];
                for (int x = 0; x < width; x++)
                {
                    row[x * 4] = source[x * 4 + 2];
                    row[x * 4 + 1] = source[x * 4 + 1];
                    row[x * 4 + 2] = source[x * 4];
                    row[x * 4 + 3] = 255;
                }
                png_write_row(png, row.data());
            }
            png_write_end(png, NULL);
            written = true;
        }
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return written;
    }
}

bool SaveWindowScreenshot(HWND window, const std::string& name)
{
    // a modal dialog is shown only once its loop first goes idle
    if (!::IsWindowVisible(window))
        ::ShowWindow(window, SW_SHOW);
    ::SetForegroundWindow(window);
    ::RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
    MSG msg;
    for (int i = 0; i < 20; i++)
    {
        while (::PeekMessageA(&msg, NULL, WM_PAINT, WM_PAINT, PM_REMOVE))
            ::DispatchMessageA(&msg);
        ::Sleep(10);
    }
    RECT rect;
    ::GetWindowRect(window, &rect);
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return false;
    HDC screen = ::GetDC(NULL);
    bool saved;
    {
        CTestCanvas canvas(width, height, CTestCanvas::Dib32, screen);
        canvas.CopyFrom(screen, rect.left, rect.top);
        saved = SavePixelScreenshot(name, width, height, canvas.Bits());
    }
    ::ReleaseDC(NULL, screen);
    return saved;
}

bool SavePixelScreenshot(const std::string& name, int width, int height, const unsigned char* bgra)
{
    std::string folder = std::string(KESTROVA_BINARY_DIR) + "\\screenshots";
    ::CreateDirectoryA(folder.c_str(), NULL);
    return WritePng(folder + "\\" + name + ".png", width, height, bgra);
}
