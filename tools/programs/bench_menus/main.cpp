// Measures the owner-drawn context menus: a menu of ten command items built
// with their states from the command routing, one item measured, and one
// item drawn into a memory device context.
//
//   bench_menus.exe
#include "../BenchTimer.h"
#include "foundation/windows/SystemColours.h"
#include "framework/menus/MenuCommands.h"
#include "framework/menus/MyMenuItem.h"
#include "framework/menus/MyPopupMenu.h"
#include "tests/support/TestCanvas.h"

namespace
{
class CBenchTarget : public CCmdTarget
{
public:
    afx_msg void OnUpdateItem(CCmdUI* ui)
    {
        ui->Enable(TRUE);
        ui->SetCheck(ui->m_nID % 3 == 0);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CBenchTarget, CCmdTarget)
ON_UPDATE_COMMAND_UI_RANGE(39252, 39261, OnUpdateItem)
END_MESSAGE_MAP()
}

int main()
{
    LoadSystemColours();
    CBenchTarget target;
    BenchMeasure("pop-up menu of 10 command items built", 500, [&](int) {
        CMyPopupMenu menu;
        for (UINT id = 39252; id < 39262; ++id)
            InsertCommandMenuItem(&menu, id, -1, -1, &target, "Litter &%u\tCtrl+%u", id - 39251, id - 39251);
    });

    CMyPopupMenu menu;
    InsertCommandMenuItem(&menu, 39252, -1, -1, &target, "&Save the litter\tCtrl+S");
    CMyMenuItem* item = menu.GetItem(0);
    MEASUREITEMSTRUCT measure = {ODT_MENU, 0, 39252, 0, 0, (ULONG_PTR)item};
    BenchMeasure("menu item measured", 2000, [&](int) {
        menu.MeasureItem(&measure);
    });

    CTestCanvas canvas(240, 24);
    DRAWITEMSTRUCT draw = {ODT_MENU,           0,           39252,           ODA_DRAWENTIRE, 0,
                           (HWND)menu.m_hMenu, canvas.Dc(), {0, 0, 240, 24}, (ULONG_PTR)item};
    BenchMeasure("menu item drawn (check mark, text, accelerator)", 2000, [&](int i) {
        draw.itemState = (i & 1) ? ODS_SELECTED | ODS_CHECKED : ODS_CHECKED;
        menu.DrawItem(&draw);
    });
    return 0;
}
