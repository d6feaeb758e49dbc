#include "foundation/windows/Drawing.h"
#include "foundation/windows/WindowGeometry.h"
#include "foundation/windows/SystemColours.h"

#include "support/TestCanvas.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

namespace
{
    const COLORREF white = RGB(255, 255, 255);
    const COLORREF red = RGB(255, 0, 0);
    const COLORREF blue = RGB(0, 0, 255);
    const COLORREF green = RGB(0, 255, 0);

    // A white memory bitmap to draw on and read back.
    class CCanvas : public CTestCanvas
    {
    public:
        CCanvas(int width, int height) : CTestCanvas(width, height)
        {
            m_dc.Attach(Dc());
            Fill(white);
        }
        ~CCanvas() { m_dc.Detach(); }

        CDC* DC() { return &m_dc; }
        // The rectangle that holds every pixel of the colour (empty when none).
        CRect Extent(COLORREF colour) const { return Bounds(colour); }

    private:
        CDC m_dc;
    };
}

TEST(DrawingTest, SolidFillsAndTheRaisedEdgeLeaveTheSelectedBrush)
{
    CCanvas canvas(40, 30);
    HGDIOBJ brushBefore = ::GetCurrentObject(canvas.DC()->m_hDC, OBJ_BRUSH);
    PatBltSolid(canvas.DC(), 5, 6, 10, 4, red);
    EXPECT_EQ(canvas.Extent(red), CRect(5, 6, 15, 10));
    EXPECT_EQ(::GetCurrentObject(canvas.DC()->m_hDC, OBJ_BRUSH), brushBefore);

    LoadSystemColours();
    const RECT edge = {20, 10, 36, 26};
    DrawRaisedEdge(canvas.DC(), edge);
    // Outer ring: light above and left, dark shadow below and right; the
    // inner ring one pixel in: highlight and shadow.
    EXPECT_EQ(canvas.At(25, 10), ::GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(canvas.At(20, 20), ::GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(canvas.At(25, 25), ::GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(canvas.At(35, 20), ::GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(canvas.At(25, 11), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(canvas.At(21, 20), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(canvas.At(25, 24), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(canvas.At(34, 20), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(canvas.At(27, 18), white);
    EXPECT_EQ(canvas.At(19, 20), white);
    EXPECT_EQ(::GetCurrentObject(canvas.DC()->m_hDC, OBJ_BRUSH), brushBefore);
}

TEST(DrawingTest, FrameInsideKeepsWithinTheRectangle)
{
    CCanvas canvas(120, 70);
    CBrush brush(red);
    const RECT rect = {10, 10, 110, 60};
    DrawFrameInside(canvas.DC(), rect, &brush, 2, 3);
    EXPECT_EQ(canvas.Extent(red), CRect(10, 10, 110, 60));
    EXPECT_EQ(canvas.Count(white, CRect(12, 13, 108, 57)), 96 * 44);
    EXPECT_EQ(canvas.Count(red, rect), 100 * 50 - 96 * 44);
    EXPECT_EQ(canvas.At(11, 30), red);
    EXPECT_EQ(canvas.At(12, 30), white);
    EXPECT_EQ(canvas.At(60, 12), red);
    EXPECT_EQ(canvas.At(60, 13), white);
}

TEST(DrawingTest, ThickerRightAndBottomSidesCastAShadow)
{
    CBrush frame(red);
    CBrush shadow(blue);
    CBrush corner(green);
    const RECT inner = {10, 10, 50, 30};
    {
        CCanvas canvas(70, 50);
        DrawFrameBands(canvas.DC(), inner, &frame, &shadow, NULL, 1, 1, 4, 4);
        EXPECT_EQ(canvas.Extent(red), CRect(9, 9, 51, 31));
        EXPECT_EQ(canvas.Extent(blue), CRect(10, 10, 54, 34));
        EXPECT_EQ(canvas.Count(blue, CRect(51, 10, 54, 31)), 3 * 21);
        EXPECT_EQ(canvas.Count(blue, CRect(10, 31, 54, 34)), 44 * 3);
        EXPECT_EQ(canvas.At(52, 9), white);
        EXPECT_EQ(canvas.At(9, 32), white);
        EXPECT_EQ(canvas.Count(white, inner), 40 * 20);
    }
    {
        CCanvas canvas(70, 50);
        DrawFrameBands(canvas.DC(), inner, &frame, &shadow, &corner, 1, 1, 4, 4);
        EXPECT_EQ(canvas.Extent(green), CRect(9, 9, 54, 34));
        EXPECT_EQ(canvas.Count(green, CRect(51, 9, 54, 10)), 3);
        EXPECT_EQ(canvas.Count(green, CRect(9, 31, 10, 34)), 3);
        EXPECT_EQ(canvas.Count(green, CRect(0, 0, 70, 50)), 6);
    }
}

TEST(DrawingTest, ClippedFillsAndAlignedText)
{
    CCanvas canvas(200, 100);
    CBrush brush(red);
    FillRectClipped(canvas.DC(), CRect(0, 0, 50, 50), &brush, CRect(50, 0, 100, 50));
    EXPECT_EQ(canvas.Count(red, CRect(0, 0, 200, 100)), 0);
    FillRectClipped(canvas.DC(), CRect(0, 0, 50, 50), &brush, CRect(40, 40, 100, 100));
    EXPECT_EQ(canvas.Extent(red), CRect(40, 40, 50, 50));

    CCanvas text(200, 100);
    ::SetTextColor(text.DC()->m_hDC, RGB(0, 0, 0));
    ::SetBkMode(text.DC()->m_hDC, TRANSPARENT);
    const RECT area = {20, 10, 180, 90};
    DrawAlignedText(text.DC(), area, "Bay", 7, DT_SINGLELINE | DT_NOPREFIX);
    CRect ink = text.Extent(RGB(0, 0, 0));
    ASSERT_FALSE(ink.IsRectEmpty());
    EXPECT_LE(ink.right, 180);
    EXPECT_GT(ink.left, 100);
    EXPECT_LE(ink.bottom, 90);
    EXPECT_GT(ink.top, 50);

    CCanvas wide(200, 100);
    ::SetTextColor(wide.DC()->m_hDC, RGB(0, 0, 0));
    const RECT narrow = {20, 10, 60, 90};
    DrawAlignedText(wide.DC(), narrow, "A text far wider than its box", 4, DT_SINGLELINE);
    CRect wideInk = wide.Extent(RGB(0, 0, 0));
    EXPECT_GE(wideInk.left, 20);
    EXPECT_LE(wideInk.right, 60);
}

TEST(WindowGeometryTest, ScrollBarAllowancesOfABorderedWindow)
{
    HWND bordered = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_BORDER | WS_VSCROLL, 0, 0, 200, 100, NULL, NULL,
                                      ::GetModuleHandleA(NULL), NULL);
    CWnd wnd;
    wnd.Attach(bordered);
    CSize bars = GetScrollBarSizes(&wnd);
    EXPECT_EQ(bars.cx, ::GetSystemMetrics(SM_CXVSCROLL) - 1);
    EXPECT_EQ(bars.cy, ::GetSystemMetrics(SM_CYHSCROLL) - 1);
    RECT client;
    ::GetClientRect(bordered, &client);
    CSize full = GetTrueClientSize(&wnd);
    EXPECT_EQ(full.cx, client.right + bars.cx);
    EXPECT_EQ(full.cy, client.bottom);
    wnd.Detach();
    ::DestroyWindow(bordered);
}

TEST(WindowGeometryTest, RadioGroupsEndAtTheNextGroup)
{
    CTestWindow window;
    HWND first = window.AddControl("BUTTON", "A", BS_RADIOBUTTON | WS_GROUP, 301);
    window.AddControl("STATIC", "label", 0, 302);
    HWND second = window.AddControl("BUTTON", "B", BS_RADIOBUTTON, 303);
    HWND third = window.AddControl("BUTTON", "C", BS_RADIOBUTTON, 304);
    HWND nextGroup = window.AddControl("BUTTON", "D", BS_RADIOBUTTON | WS_GROUP, 305);
    CWnd* start = CWnd::FromHandle(first);

    EXPECT_EQ(GetCheckedRadioIndex(start), -1);
    ::SendMessageA(nextGroup, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(GetCheckedRadioIndex(start), -1);
    CheckRadioByIndex(start, 1);
    EXPECT_EQ(::SendMessageA(second, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(GetCheckedRadioIndex(start), 1);
    CheckRadioByIndex(start, 2);
    EXPECT_EQ(::SendMessageA(second, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(GetCheckedRadioIndex(start), 2);
    CheckRadioByIndex(start, -1);
    EXPECT_EQ(::SendMessageA(third, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(GetCheckedRadioIndex(start), -1);
    EXPECT_EQ(::SendMessageA(nextGroup, BM_GETCHECK, 0, 0), BST_CHECKED);

    RECT inParent = GetWindowRectInParent(CWnd::FromHandle(second));
    EXPECT_EQ(inParent.left, 0);
    EXPECT_EQ(inParent.right - inParent.left, 100);
}
