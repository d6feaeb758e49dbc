#include "framework/windows/ControlLayout.h"
#include "framework/windows/ControlPlacement.h"
#include "support/TestWindow.h"

#include "foundation/windows/WindowGeometry.h"

#include <gtest/gtest.h>

namespace
{
enum
{
    IDC_A = 101,
    IDC_B = 102,
    IDC_MISSING = 999,
};

struct LayoutCase
{
    const char* name;
    UINT flags;
    UINT leftAnchor, topAnchor, rightAnchor, bottomAnchor;
    CRect expected;   // after growing the window from 400 x 300 to 500 x 350
};

// A at (10, 10, 110, 30) moves right and down with the window; B starts at
// (20, 50, 120, 70).
const LayoutCase cases[] = {
    {"fixed", 0, 0, 0, 0, 0, CRect(20, 50, 120, 70)},
    {"moves right", PLACE_LEFT_MOVE | PLACE_RIGHT_MOVE, 0, 0, 0, 0, CRect(120, 50, 220, 70)},
    {"moves down", PLACE_TOP_MOVE | PLACE_BOTTOM_MOVE, 0, 0, 0, 0, CRect(20, 100, 120, 120)},
    {"widens", PLACE_RIGHT_MOVE, 0, 0, 0, 0, CRect(20, 50, 220, 70)},
    {"scales", 0xF0, 0, 0, 0, 0, CRect(25, 58, 150, 81)},
    {"move wins over scale", PLACE_LEFT_MOVE | PLACE_LEFT_SCALE, 0, 0, 0, 0, CRect(120, 50, 120, 70)},
    {"follows its anchor", 0xF00, IDC_A, IDC_A, IDC_A, IDC_A, CRect(120, 100, 220, 120)},
    {"missing anchor dropped", PLACE_LEFT_ANCHOR | PLACE_RIGHT_MOVE, IDC_MISSING, 0, 0, 0, CRect(20, 50, 220, 70)},
};

class ControlLayoutTest : public ::testing::TestWithParam<LayoutCase>
{
protected:
    ControlLayoutTest()
    {
        window.AddControl("BUTTON", "A", 0, IDC_A, 10, 10, 100, 20);
        window.AddControl("BUTTON", "B", 0, IDC_B, 20, 50, 100, 20);
        ::SetWindowPos(window.Handle(), NULL, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
        layout.m_owner = window.Wnd();
        layout.RecordInitialSize();
        layout.AddControl(IDC_A, 0xF);
    }

    void Resize(int width, int height)
    {
        ::SetWindowPos(window.Handle(), NULL, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
        layout.Apply();
    }

    CRect RectOf(UINT id) { return GetWindowRectInParent(window.Wnd()->GetDlgItem(id)); }

    CTestWindow window;
    CControlLayout layout;
};

TEST_P(ControlLayoutTest, PlacesTheControlForTheNewSize)
{
    const LayoutCase& c = GetParam();
    ASSERT_TRUE(layout.AddControl(IDC_B, c.flags, c.leftAnchor, c.topAnchor, c.rightAnchor, c.bottomAnchor));
    Resize(500, 350);
    EXPECT_EQ(CRect(110, 60, 210, 80), RectOf(IDC_A));
    EXPECT_EQ(c.expected, RectOf(IDC_B)) << c.name;
    Resize(400, 300);
    EXPECT_EQ(CRect(20, 50, 120, 70), RectOf(IDC_B)) << c.name << ": back at the initial size";
}

INSTANTIATE_TEST_SUITE_P(Flags, ControlLayoutTest, ::testing::ValuesIn(cases));

TEST(ControlLayout, ItemThatIsNotThereIsNotAdded)
{
    CTestWindow window;
    CControlLayout layout;
    layout.m_owner = window.Wnd();
    layout.RecordInitialSize();
    EXPECT_FALSE(layout.AddControl(IDC_MISSING, PLACE_LEFT_MOVE));
    EXPECT_EQ(0, layout.m_placements.GetSize());
    EXPECT_FALSE(layout.m_initialised);
    layout.Apply();   // nothing to place
}
} // namespace
