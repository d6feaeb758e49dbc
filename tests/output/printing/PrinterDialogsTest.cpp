#include "output/printing/PrinterPaperConfigDlg.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/app/FrameworkApp.h"
#include "output/printing/PrinterData.h"
#include "output/printing/PrinterDataCache.h"
#include "output/printing/PrinterDialogIds.h"
#include "support/DialogDriver.h"
#include "support/LayoutCheck.h"
#include "support/MessageBoxAnswerer.h"
#include "output/ScreenshotFile.h"

namespace
{
// Acts on the dialog with the given caption once it is up, from a thread
// timer that the dialogs' modal loops dispatch; the message boxes are left
// to a CMessageBoxAnswerer.
class CDialogActor
{
public:
    CDialogActor(const char* caption, std::function<void(HWND)> action) : m_caption(caption), m_action(action)
    {
        s_current = this;
        m_timer = ::SetTimer(NULL, 0, 50, OnTimer);
    }
    ~CDialogActor()
    {
        ::KillTimer(NULL, m_timer);
        s_current = NULL;
    }
    int m_acted = 0;

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
    {
        CDialogActor* self = s_current;
        HWND window = ::GetActiveWindow();
        char caption[128] = "";
        ::GetWindowTextA(window, caption, sizeof(caption));
        if (self == NULL || self->m_acted > 0 || self->m_caption != caption)
            return;
        ++self->m_acted;
        self->m_action(window);
    }
    std::string m_caption;
    std::function<void(HWND)> m_action;
    UINT_PTR m_timer;
    static inline CDialogActor* s_current = NULL;
};

class CQuietApp : public CFrameworkApp
{
public:
    CQuietApp() : CFrameworkApp("Kestrova") {}
};

class PrinterDialogsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CPrinterPaperConfig config;
        CPrinterData* data = GetPrinterData(config, 0, NULL);
        if (data == NULL)
            GTEST_SKIP() << "no printer";
        ReleasePrinterData(data);
    }
    CQuietApp m_app;
};

TEST_F(PrinterDialogsTest, ChoosingTheSpecificPrinterStoresItsNamesAndDeviceMode)
{
    CPrinterPaperConfig config;
    std::string defaultText;
    CMessageBoxAnswerer answerer(IDNO); // not now to the calibration question
    CDialogActor actor("Printer/Paper Settings", [&](HWND dialog) {
        defaultText = CDialogDriver::ItemText(dialog, IDC_DEFAULT_PRINTER_NAME);
        SaveWindowScreenshot(dialog, "printer_paper_settings");
        EXPECT_EQ(JoinLayoutFaults(FindLayoutFaults(dialog)), "");
        ::SendDlgItemMessageA(dialog, IDC_SPECIFIC_PRINTER, BM_SETCHECK, BST_CHECKED, 0);
        ::SendDlgItemMessageA(dialog, IDC_DEFAULT_PRINTER, BM_SETCHECK, BST_UNCHECKED, 0);
        ::SendDlgItemMessageA(dialog, IDC_PRINTER_LIST, LB_SETCURSEL, 0, 0);
        ::SendDlgItemMessageA(dialog, IDC_LANDSCAPE, BM_SETCHECK, BST_CHECKED, 0);
        ::SendDlgItemMessageA(dialog, IDC_PORTRAIT, BM_SETCHECK, BST_UNCHECKED, 0);
        ::SetDlgItemTextA(dialog, IDC_MARGIN_TOP, "1 in");
        CDialogDriver::Click(dialog, IDOK);
    });
    ASSERT_EQ(1, config.EditProperties(NULL, "Printer/Paper Settings", FALSE, 0, 0));
    EXPECT_EQ(1, actor.m_acted);
    EXPECT_EQ(0u, defaultText.find("Currently KestrovaTest"));
    EXPECT_STREQ("KestrovaTest", config.m_printerName);
    EXPECT_FALSE(config.m_portName.IsEmpty());
    EXPECT_NE((HGLOBAL)NULL, config.m_devMode);
    EXPECT_EQ(1u, config.m_landscape);
    EXPECT_DOUBLE_EQ(1.0, config.m_topMargin.GetValue());
    EXPECT_EQ(53, config.m_kindCode);
    // The answerer also sees the settings dialog itself; of the messages
    // only the calibration question came.
    int questions = 0, others = 0;
    for (const std::string& text : answerer.Texts())
        if (text.find("You have not calibrated the printer") != std::string::npos)
            ++questions;
        else if (text.find("Currently ") != 0)
            ++others;
    EXPECT_EQ(1, questions);
    EXPECT_EQ(0, others);

    // Cancel leaves the configuration as it was.
    CDialogActor canceller("Print Margins", [](HWND dialog) {
        SaveWindowScreenshot(dialog, "print_margins");
        EXPECT_EQ(JoinLayoutFaults(FindLayoutFaults(dialog)), "");
        ::SetDlgItemTextA(dialog, IDC_MARGIN_TOP, "2 in");
        CDialogDriver::Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(0, config.EditProperties(NULL, "Print Margins", FALSE, 0, 1));
    EXPECT_DOUBLE_EQ(1.0, config.m_topMargin.GetValue());
}

TEST_F(PrinterDialogsTest, CalibrationTakesTheMeasuredGaps)
{
    CPrinterPaperConfigDlg properties(IDD_PRINT_MARGINS, NULL, NULL);
    std::string reported;
    CDialogActor actor("Calibrate Printer", [&](HWND dialog) {
        reported = CDialogDriver::ItemText(dialog, IDC_CALIBRATE_REPORTED);
        SaveWindowScreenshot(dialog, "calibrate_printer");
        EXPECT_EQ(JoinLayoutFaults(FindLayoutFaults(dialog)), "");
        ::SetDlgItemTextA(dialog, IDC_CALIBRATE_LEFT_GAP, "0.3 in");
        ::SetDlgItemTextA(dialog, IDC_CALIBRATE_TOP_GAP, "0.2 in");
        CDialogDriver::Click(dialog, IDOK);
    });
    ASSERT_EQ(1, properties.Calibrate());
    EXPECT_NE(std::string::npos, reported.find("left 0.25 in, top 0.25 in")) << reported;
    EXPECT_TRUE(properties.m_calibratedHere);
    EXPECT_EQ(1u, properties.m_config.m_calibrated);
    EXPECT_DOUBLE_EQ(0.3, properties.m_config.m_leftGap.GetValue());
    EXPECT_DOUBLE_EQ(0.2, properties.m_config.m_topGap.GetValue());
    EXPECT_TRUE(properties.m_snapshot.IsEqual(&properties.m_config));
}
} // namespace
