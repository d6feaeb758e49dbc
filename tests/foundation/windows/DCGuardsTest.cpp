// The guards for selected GDI objects and saved device-context state give
// back what the device context held, however the scope is left.
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SavedDCState.h"
#include "foundation/windows/SelectedObject.h"
#include "foundation/windows/SelectedPalette.h"

#include <gtest/gtest.h>

namespace
{
class DCGuards : public ::testing::Test
{
protected:
    DCGuards() : m_dc(::CreateCompatibleDC(NULL)) {}
    ~DCGuards() override { ::DeleteDC(m_dc); }
    HDC m_dc;
};
} // namespace

TEST_F(DCGuards, SelectedObjectsAreSelectedBackOnEveryWayOut)
{
    HPEN pen = ::CreatePen(PS_SOLID, 3, RGB(200, 0, 0));
    HBRUSH brush = ::CreateSolidBrush(RGB(0, 200, 0));
    HFONT font = ::CreateFontA(20, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    const struct
    {
        HGDIOBJ object;
        UINT type;
    } cases[] = {{pen, OBJ_PEN}, {brush, OBJ_BRUSH}, {font, OBJ_FONT}};
    for (const auto& c : cases)
    {
        HGDIOBJ before = ::GetCurrentObject(m_dc, c.type);
        {
            CSelectedObject selected(m_dc, c.object);
            EXPECT_EQ(::GetCurrentObject(m_dc, c.type), c.object);
            EXPECT_EQ(selected.Previous(), before);
        }
        EXPECT_EQ(::GetCurrentObject(m_dc, c.type), before) << c.type;
        try
        {
            CSelectedObject selected(m_dc, c.object);
            throw 1;
        }
        catch (int)
        {
        }
        EXPECT_EQ(::GetCurrentObject(m_dc, c.type), before) << "after an exception, " << c.type;
    }
    CSelectedObject nothing(m_dc, (HGDIOBJ)NULL);
    EXPECT_EQ(nothing.Previous(), (HGDIOBJ)NULL);
    ::DeleteObject(pen);
    ::DeleteObject(brush);
    ::DeleteObject(font);
}

TEST_F(DCGuards, AReselectingGuardGivesBackWhatWasThereBeforeItsFirstSelection)
{
    HFONT first = ::CreateFontA(20, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    HFONT second = ::CreateFontA(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    HGDIOBJ before = ::GetCurrentObject(m_dc, OBJ_FONT);
    for (bool startEmpty : {false, true})
    {
        try
        {
            CSelectedObject selected(m_dc, startEmpty ? (HGDIOBJ)NULL : (HGDIOBJ)first);
            EXPECT_EQ(::GetCurrentObject(m_dc, OBJ_FONT), startEmpty ? before : (HGDIOBJ)first);
            selected.Reselect(second);
            EXPECT_EQ(::GetCurrentObject(m_dc, OBJ_FONT), second);
            selected.Reselect(first);
            EXPECT_EQ(::GetCurrentObject(m_dc, OBJ_FONT), first);
            EXPECT_EQ(selected.Previous(), before) << startEmpty;
            throw 1;
        }
        catch (int)
        {
        }
        EXPECT_EQ(::GetCurrentObject(m_dc, OBJ_FONT), before) << startEmpty;
    }
    // Without a device context there is nothing to select.
    CSelectedObject nowhere((HDC)NULL, (HGDIOBJ)NULL);
    nowhere.Reselect(first);
    EXPECT_EQ(nowhere.Previous(), (HGDIOBJ)NULL);
    ::DeleteObject(first);
    ::DeleteObject(second);
}

TEST_F(DCGuards, SelectedPaletteIsSelectedBackOnEveryWayOut)
{
    struct
    {
        LOGPALETTE header;
        PALETTEENTRY more[1];
    } entries = {{0x300, 2, {{255, 0, 0, 0}}}, {{0, 0, 255, 0}}};
    COwnedGdiObject<HPALETTE> palette(::CreatePalette(&entries.header));
    HGDIOBJ before = ::GetCurrentObject(m_dc, OBJ_PAL);
    try
    {
        CSelectedPalette selected(m_dc, palette, TRUE);
        EXPECT_EQ(::GetCurrentObject(m_dc, OBJ_PAL), (HGDIOBJ)palette.Get());
        EXPECT_EQ((HGDIOBJ)selected.Previous(), before);
        throw 1;
    }
    catch (int)
    {
    }
    EXPECT_EQ(::GetCurrentObject(m_dc, OBJ_PAL), before);
    EXPECT_EQ(CSelectedPalette(m_dc, NULL, TRUE).Previous(), (HPALETTE)NULL);
    EXPECT_EQ(CSelectedPalette(NULL, palette, TRUE).Previous(), (HPALETTE)NULL);
}

TEST_F(DCGuards, SavedStateComesBackNestedAndWithItsObjects)
{
    HBRUSH brush = ::CreateSolidBrush(RGB(0, 0, 200));
    const COLORREF colour = ::GetTextColor(m_dc);
    const int mode = ::GetMapMode(m_dc);
    HGDIOBJ brushBefore = ::GetCurrentObject(m_dc, OBJ_BRUSH);
    {
        CSavedDCState outer(m_dc);
        ASSERT_TRUE(outer.IsSaved());
        ::SetTextColor(m_dc, RGB(1, 2, 3));
        ::SelectObject(m_dc, brush);
        {
            CSavedDCState inner(m_dc);
            ::SetMapMode(m_dc, MM_LOMETRIC);
            ::SetTextColor(m_dc, RGB(4, 5, 6));
        }
        EXPECT_EQ(::GetMapMode(m_dc), mode);
        EXPECT_EQ(::GetTextColor(m_dc), RGB(1, 2, 3));
    }
    EXPECT_EQ(::GetTextColor(m_dc), colour);
    EXPECT_EQ(::GetCurrentObject(m_dc, OBJ_BRUSH), brushBefore);
    ::DeleteObject(brush);
    EXPECT_FALSE(CSavedDCState((HDC)NULL).IsSaved());
}
