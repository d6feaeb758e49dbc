#include "afx/dialogs/PrintInfo.h"
#include "afx/windows/EnabledStateCmdUI.h"
#include "framework/views/BlankView.h"
#include "framework/views/DummyView1.h"
#include "framework/views/DummyView2.h"
#include "framework/views/DummyView3.h"
#include "framework/views/DummyView4.h"
#include "framework/views/GenericTextView.h"
#include "framework/views/StyleSet.h"

#include "foundation/windows/SystemColours.h"
#include "support/DialogDriver.h"
#include "support/TestCanvas.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/WindowScreenshot.h"
#include "support/MessagePump.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace
{
// The test run gives a private printer queue unless it runs without one.
bool PrinterExpected()
{
    const char* spool = getenv("KESTROVA_CUPS_SPOOL");
    return spool != NULL && *spool != '\0';
}

int SpooledJobs()
{
    const char* spool = getenv("KESTROVA_CUPS_SPOOL");
    if (spool == NULL || *spool == '\0')
        return 0;
    int count = 0;
    WIN32_FIND_DATAA found;
    HANDLE find = ::FindFirstFileA((std::string("Z:") + spool + "\\d*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    do
        ++count;
    while (::FindNextFileA(find, &found));
    ::FindClose(find);
    return count;
}

class ViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.CreateEx(0, AfxRegisterWndClass(0), "Views", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                     CRect(30, 30, 430, 330), NULL, 0));
    }
    void TearDown() override { m_frame.DestroyWindow(); }

    // Views delete themselves with their window.
    template <class View> View* MakeView(CRuntimeClass* viewClass)
    {
        View* view = (View*)viewClass->CreateObject();
        EXPECT_TRUE(view->Create(&m_frame, 100));
        CRect client;
        m_frame.GetClientRect(&client);
        view->MoveWindow(&client);
        view->UpdateWindow();
        return view;
    }

    CFrameworkTestApp m_app;
    CWnd m_frame;
};

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
}
} // namespace

TEST_F(ViewTest, DummyViewsNameThemselvesAndKeepOnlyTheirOwnCommandEnabled)
{
    CDummyView* views[] = {MakeView<CDummyView1>(RUNTIME_CLASS(CDummyView1)), MakeView<CDummyView2>(RUNTIME_CLASS(CDummyView2)), MakeView<CDummyView3>(RUNTIME_CLASS(CDummyView3)),
                           MakeView<CDummyView4>(RUNTIME_CLASS(CDummyView4))};
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ(std::string(views[i]->m_text), std::string("CDummyView") + char('1' + i));
        for (int command = 0; command < 4; ++command)
        {
            CEnabledStateCmdUI ui;
            ui.m_nID = 33143 + command;
            ui.DoUpdate(views[i], TRUE);
            EXPECT_EQ(ui.m_bEnabled != FALSE, command == i) << i << " " << command;
        }
    }
    for (int i = 0; i < 3; ++i)
        views[i]->DestroyWindow();
    Pump();
    EXPECT_TRUE(SaveWindowScreenshot(m_frame.m_hWnd, "framework_dummy_view"));
    // Its size line: width, and the distance from the line down to the bottom.
    EXPECT_EQ(std::string(CDummyView::FormatSizeLine(CRect(0, 0, 1234, -2000), -500)), "Rect: 1234,1500");
}

TEST_F(ViewTest, BlankViewPaintsTheDialogColour)
{
    CBlankView* view = MakeView<CBlankView>(RUNTIME_CLASS(CBlankView));
    CClientDC screen(view);
    CTestCanvas canvas(50, 50, CTestCanvas::Compatible, screen.m_hDC);
    canvas.Fill(RGB(1, 2, 3));
    EXPECT_TRUE(view->SendMessage(WM_ERASEBKGND, (WPARAM)canvas.Dc()));
    EXPECT_EQ(canvas.At(25, 25), GetSystemColour(COLOR_BTNFACE));
}

TEST_F(ViewTest, ViewPrintingPreparesThePrinterOrReportsThereIsNone)
{
    CGenericTextView* view = MakeView<CGenericTextView>(RUNTIME_CLASS(CGenericTextView));
    view->m_text = "Litter of Bella and Rex";
    bool printer = PrinterExpected();
    {
        CPrintInfo direct;
        direct.m_bDirect = TRUE;
        ASSERT_EQ(view->OnPreparePrinting(&direct) != FALSE, printer);
        if (printer)
        {
            ASSERT_NE(direct.m_pPD->GetPrinterDC(), (HDC)NULL);
            EXPECT_EQ(::GetDeviceCaps(direct.m_pPD->GetPrinterDC(), TECHNOLOGY), DT_RASPRINTER);
            EXPECT_FALSE(direct.m_pPD->GetDeviceName().IsEmpty());
        }
    }
    // Asked through the print dialog, which the user cancels or confirms;
    // without a printer the system says so instead.
    for (int ending : {IDCANCEL, IDOK})
    {
        CPrintInfo asked;
        CDialogDriver driver([&](HWND window) {
            if (ending == IDOK)
            {
                EXPECT_TRUE(SaveWindowScreenshot(window, printer ? "framework_view_print_dialog" : "framework_view_no_printer"));
            }
            ::PostMessageA(window, WM_COMMAND, ending, 0);
        });
        EXPECT_EQ(view->OnPreparePrinting(&asked) != FALSE, printer && ending == IDOK);
        EXPECT_EQ(driver.Count(), 1);
    }
    // Printing straight away sends one page to the queue.
    int before = SpooledJobs();
    view->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    if (printer)
    {
        PumpMessagesUntil([&] { return SpooledJobs() != before; });
        EXPECT_EQ(SpooledJobs(), before + 1);
    }
}

// The program's style sets are made at start-up, before anything asks for
// the shape names.
TEST(StyleSetTest, StartUpSetsHaveTheirShapes)
{
    for (const CStyleSet* set : {&PrimaryStyleSet, &SecondaryStyleSet})
    {
        EXPECT_EQ(std::string(set->m_lines[8].m_shape), "Solid");
        EXPECT_EQ(std::string(set->m_fills[3].m_shape), "Solid");
    }
    EXPECT_EQ(std::string(CStyleSet::GetShapeNames()[3]), "Hollow Ellipse");
}
