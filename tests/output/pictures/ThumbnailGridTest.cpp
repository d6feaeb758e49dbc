// The thumbnail grid over a scratch folder of generated pictures: lays out
// its cells, scrolls, selects by keys and mouse, keeps its cell size in the
// profile and paints each picture through the picture cache.
#include "output/pictures/PictureCache.h"
#include "output/pictures/ThumbnailGrid.h"

#include "TestPictures.h"
#include "support/ScratchFolder.h"
#include "support/TestApp.h"
#include "support/MessagePump.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace
{
class ThumbnailGridTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder = new CScratchFolder("thumbnail_grid");
        folder->MakeFolder("seven");
        for (int i = 0; i < 200; ++i)
        {
            char name[32];
            std::snprintf(name, sizeof(name), "pic%03d.bmp", i);
            const COLORREF colour = RGB(i * 37 % 256, i * 91 % 256, i * 53 % 256);
            WriteBytes(*folder / name, MakeBmp(32 + i % 3 * 16, 24, 24, {}, [=](int, int) {
                return colour;
            }));
            if (i < 7)
                WriteBytes(*folder / (std::string("seven\\") + name), MakeBmp(8, 8, 24, {}, [=](int, int) {
                    return colour;
                }));
        }
        folder->WriteFile("notes.txt", "not a picture");
    }
    static void TearDownTestSuite()
    {
        delete folder;
        FreePictureCache();
    }

    ThumbnailGridTest()
    {
        // Three and a half cells of 120 across and two and a half down.
        const int bar = ::GetSystemMetrics(SM_CXVSCROLL);
        m_parent.CreateEx(0, AfxRegisterWndClass(0), "Thumbnails", WS_POPUP | WS_VISIBLE,
                          CRect(0, 0, 420 + bar + 20, 300 + 20), NULL, 0);
        m_grid.Create(&m_parent, CRect(10, 10, 10 + 420 + bar, 10 + 300), 1);
    }
    ~ThumbnailGridTest() override { m_parent.DestroyWindow(); }

    void Key(UINT key) { m_grid.SendMessage(WM_KEYDOWN, key, 0); }
    // Lets the thumbnails being made arrive and be painted.
    void WaitForThumbnails()
    {
        PumpMessagesUntil([&] { return !m_grid.IsMakingThumbnails(); });
        m_grid.UpdateWindow();
    }

    static CScratchFolder* folder;
    CWnd m_parent;
    CThumbnailGrid m_grid;
};
CScratchFolder* ThumbnailGridTest::folder = NULL;
} // namespace

TEST_F(ThumbnailGridTest, LaysOutAFolderOfPicturesAndScrolls)
{
    m_grid.SetFolder(folder->Path().c_str());
    EXPECT_EQ(m_grid.GetCount(), 200);
    EXPECT_EQ(m_grid.GetSelection(), -1);
    EXPECT_EQ(m_grid.GetCellSize(), CSize(120, 120));
    EXPECT_EQ(m_grid.GetColumns(), 3);
    EXPECT_EQ(m_grid.GetFullRows(), 2);
    int minimum = 0, maximum = 0;
    m_grid.GetScrollRange(SB_VERT, &minimum, &maximum);
    EXPECT_EQ(maximum, 67 - 2);

    const struct
    {
        UINT code;
        int firstRow;
    } scrolls[] = {{SB_LINEDOWN, 1}, {SB_PAGEDOWN, 3}, {SB_BOTTOM, 65}, {SB_LINEDOWN, 65},
                   {SB_PAGEUP, 63},  {SB_TOP, 0},      {SB_LINEUP, 0}};
    for (const auto& s : scrolls)
    {
        m_grid.SendMessage(WM_VSCROLL, s.code, 0);
        EXPECT_EQ(m_grid.GetFirstRow(), s.firstRow) << s.code;
    }

    // The same folder again lists nothing anew and keeps the selection.
    m_grid.SetSelection(4);
    m_grid.SetFolder(folder->Path().c_str());
    EXPECT_EQ(m_grid.GetSelection(), 4);
    EXPECT_EQ(m_grid.GetSelectedName(), CString("pic004.bmp"));
    EXPECT_EQ(m_grid.GetSelectedPath(), CString((*folder / "pic004.bmp").c_str()));

    // Painted once the thumbnails have come: the selected cell is framed in
    // the highlight colour.
    m_grid.UpdateWindow();
    WaitForThumbnails();
    CCanvas canvas(420, 300);
    HDC screen = ::GetDC(m_grid.m_hWnd);
    ::BitBlt(canvas.DC()->m_hDC, 0, 0, 420, 300, screen, 0, 0, SRCCOPY);
    ::ReleaseDC(m_grid.m_hWnd, screen);
    canvas.SaveScreenshot("thumbnail_grid");
    CRect selected = m_grid.GetCellRect(4);
    EXPECT_EQ(canvas.At(selected.left + 4, selected.top + 30), ::GetSysColor(COLOR_HIGHLIGHT) & 0xFFFFFF);
    EXPECT_EQ(canvas.At(selected.CenterPoint().x, selected.top + 40), RGB(4 * 37 % 256, 4 * 91 % 256, 4 * 53 % 256));
}

TEST_F(ThumbnailGridTest, KeysMoveTheSelectionWithinThePictures)
{
    m_grid.SetFolder((*folder / "seven").c_str());
    ASSERT_EQ(m_grid.GetCount(), 7);
    Key(VK_DOWN);
    EXPECT_EQ(m_grid.GetSelection(), -1); // keys act only on a selection
    const struct
    {
        int from;
        UINT key;
        int to;
    } moves[] = {
        {1, VK_NEXT, 4}, // 1 + 6 = 7 is beyond, less 3 gives 4
        {5, VK_PRIOR, 2}, {1, VK_UP, 1},   {6, VK_DOWN, 6}, {4, VK_DOWN, 4}, {0, VK_LEFT, 0},
        {6, VK_RIGHT, 6}, {4, VK_HOME, 3}, {3, VK_END, 5},  {1, VK_DOWN, 4}, {4, VK_UP, 1},
    };
    for (const auto& m : moves)
    {
        m_grid.SetSelection(m.from);
        Key(m.key);
        EXPECT_EQ(m_grid.GetSelection(), m.to) << m.from << " key " << m.key;
    }
    // A picture below the full rows scrolls into them.
    m_grid.SetSelection(0);
    Key(VK_NEXT);
    EXPECT_EQ(m_grid.GetSelection(), 6);
    EXPECT_EQ(m_grid.GetFirstRow(), 1);
    EXPECT_EQ(m_grid.SendMessage(WM_GETDLGCODE), (LRESULT)DLGC_WANTALLKEYS);

    // A count set beyond the folder's pictures paints empty cells.
    m_grid.SetCount(9);
    m_grid.RedrawWindow();
    WaitForThumbnails();
    EXPECT_TRUE(m_grid.HasThumbnail(6));
    EXPECT_FALSE(m_grid.HasThumbnail(8));
}

TEST_F(ThumbnailGridTest, MouseSelectsAndDoubleClickPressesTheOwnersOk)
{
    m_grid.SetFolder((*folder / "seven").c_str());
    m_grid.m_pOwnerDialog = &m_parent;
    CRect last = m_grid.GetCellRect(6);
    m_grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(last.left + 20, last.top + 20));
    EXPECT_EQ(m_grid.GetSelection(), 6);
    EXPECT_EQ(::GetFocus(), m_grid.m_hWnd);
    // Empty space beside the last picture clears the selection.
    m_grid.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(last.right + 20, last.top + 20));
    EXPECT_EQ(m_grid.GetSelection(), -1);
    EXPECT_EQ(m_grid.HitTest(419, 10), -1); // beyond the last column

    MSG message;
    while (::PeekMessageA(&message, m_parent.m_hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE))
    {
    }
    m_grid.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_FALSE(::PeekMessageA(&message, m_parent.m_hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    m_grid.SetSelection(2);
    m_grid.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
    ASSERT_TRUE(::PeekMessageA(&message, m_parent.m_hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(message.wParam, (WPARAM)IDOK);
}

TEST_F(ThumbnailGridTest, CellSizeComesFromTheProfileAndADraggedGrip)
{
    CTestApp app("ThumbnailGridTest");
    app.WriteProfileInt("Preferences", "ThumbnailCellSize_x", 10);
    app.WriteProfileInt("Preferences", "ThumbnailCellSize_y", 500);
    m_grid.SetSettingsKey("Preferences", "ThumbnailCellSize");
    EXPECT_EQ(m_grid.GetCellSize(), CSize(30, 500));
    app.WriteProfileInt("Preferences", "ThumbnailCellSize_x", 100);
    app.WriteProfileInt("Preferences", "ThumbnailCellSize_y", 80);
    m_grid.SetSettingsKey("Preferences", "ThumbnailCellSize");

    // Dragging the first cell's grip to a 5 x 5 rectangle commits 30 x 30.
    m_grid.SetFolder((*folder / "seven").c_str());
    EXPECT_EQ(m_grid.HitTestResizeHandle(95, 75), 0);
    EXPECT_EQ(m_grid.HitTestResizeHandle(50, 40), -1);
    m_grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(95, 75));
    m_grid.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(0, 0));
    m_grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(0, 0));
    EXPECT_EQ(m_grid.GetCellSize(), CSize(30, 30));
    EXPECT_EQ(app.GetProfileInt("Preferences", "ThumbnailCellSize_x", -1), 30u);
    EXPECT_EQ(app.GetProfileInt("Preferences", "ThumbnailCellSize_y", -1), 30u);
}
