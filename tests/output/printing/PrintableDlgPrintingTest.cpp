#include "output/printing/PrintableDlgPrinter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/DialogTemplate.h"
#include "framework/app/FrameworkApp.h"
#include "framework/dialogs/PrintableDlg.h"
#include "output/printing/PrinterData.h"
#include "output/printing/PrinterDataCache.h"
#include "output/printing/PrinterPaperConfig.h"

namespace
{
// An application that records the messages instead of showing them.
class CRecordingApp : public CFrameworkApp
{
public:
    CRecordingApp() : CFrameworkApp("Kestrova") {}
    int ShowMessage(LPCTSTR text, LPCTSTR, UINT, UINT, UINT, UINT, LPCTSTR) override
    {
        m_messages.push_back(text);
        return IDOK;
    }
    std::vector<std::string> m_messages;
};

// A printable dialog that, once shown and its printer set up, prints when
// asked and closes.
class CReportDialog : public CPrintableDlg
{
public:
    explicit CReportDialog(const CDialogTemplate& t) : CPrintableDlg(0, NULL) { InitModalIndirect(t.Get(), NULL); }
    CString GetPrintText() override { return "Maternal genotype specified: B/b\r\n\r\nPaternal: b/b"; }
    CString GetPrintTitle() override { return "Report"; }
    CString GetPrintHeader1() override { return "Mating prediction"; }

    BOOL m_printWhenShown = FALSE;
    BOOL m_printed = FALSE;
    BOOL m_readyWhenShown = FALSE;

protected:
    BOOL OnInitDialog() override
    {
        BOOL result = CPrintableDlg::OnInitDialog();
        PostMessage(WM_APP); // after the printer set-up that initialisation posted
        return result;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_APP)
        {
            m_readyWhenShown = m_printerReady;
            if (m_printWhenShown)
                m_printed = Print();
            EndDialog(IDOK);
            return 0;
        }
        return CPrintableDlg::WindowProc(message, wParam, lParam);
    }
};

CDialogTemplate ReportTemplate()
{
    CDialogTemplate t(L"Report", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 200, 100);
    t.Add(CDialogTemplate::EDIT, L"", 100, WS_BORDER | ES_MULTILINE, 5, 5, 190, 60);
    t.Add(CDialogTemplate::BUTTON, L"&Print", 40191, BS_PUSHBUTTON, 5, 75, 50, 14);
    t.Add(CDialogTemplate::COMBOBOX, L"", IDC_PRINT_CONFIGURATION, CBS_DROPDOWNLIST, 60, 75, 80, 60);
    t.Add(CDialogTemplate::BUTTON, L"Close", IDOK, BS_DEFPUSHBUTTON, 145, 75, 50, 14);
    return t;
}

bool HavePrinter()
{
    CPrinterPaperConfig config;
    CPrinterData* data = GetPrinterData(config, 0, NULL);
    ReleasePrinterData(data);
    return data != NULL;
}

class PrintableDlgPrintingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        InstallPrintableDlgPrinting();
        ReportPrinterProblemsOnce = TRUE;
        PrinterProblemReported = FALSE;
    }
    void TearDown() override { SetPrintableDlgPrinting(NULL); }
    CRecordingApp m_app;
    CDialogTemplate m_template = ReportTemplate();
};

// Most Wine users have no printer: the problem is reported once per run and
// nothing prints.
TEST_F(PrintableDlgPrintingTest, WithoutAPrinterOneMessageAndNoPrinting)
{
    if (HavePrinter())
        GTEST_SKIP() << "a printer is installed";
    for (int dialogs = 0; dialogs < 2; ++dialogs)
    {
        CReportDialog dialog(m_template);
        dialog.m_printWhenShown = TRUE;
        ASSERT_EQ(IDOK, dialog.DoModal());
        EXPECT_FALSE(dialog.m_readyWhenShown);
        EXPECT_FALSE(dialog.m_printed);
    }
    ASSERT_EQ(1u, m_app.m_messages.size());
    EXPECT_NE(std::string::npos, m_app.m_messages[0].find("printer 'Default-Portrait'"));
    EXPECT_NE(std::string::npos, m_app.m_messages[0].find("system default printer not set"));
    EXPECT_EQ(std::string::npos, m_app.m_messages[0].find('~')); // the token is expanded
}

// The program's message box is a printable dialog itself: reporting a
// printer problem in one, with every problem reported (not once per run),
// must not make the box report its own set-up problem again without end.
TEST_F(PrintableDlgPrintingTest, WithoutAPrinterAMessageBoxDoesNotReportItsOwnProblem)
{
    if (HavePrinter())
        GTEST_SKIP() << "a printer is installed";
    ReportPrinterProblemsOnce = FALSE;
    struct CBoxShowingApp : CRecordingApp
    {
        const CDialogTemplate* m_box = NULL;
        int ShowMessage(LPCTSTR text, LPCTSTR title, UINT a, UINT b, UINT c, UINT d, LPCTSTR e) override
        {
            CRecordingApp::ShowMessage(text, title, a, b, c, d, e);
            if (m_messages.size() < 10) // bounded, so that the fault fails instead of overflowing
                CReportDialog(*m_box).DoModal();
            return IDOK;
        }
    };
    m_app.m_messages.clear();
    CBoxShowingApp app; // the latest application object is the one asked
    app.m_box = &m_template;
    CReportDialog dialog(m_template);
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(1u, app.m_messages.size());
}

TEST_F(PrintableDlgPrintingTest, WithAPrinterTheDialogPrintsItsText)
{
    if (!HavePrinter() || getenv("KESTROVA_CUPS_SPOOL") == NULL)
        GTEST_SKIP() << "no printer";
    FreePrinterDataCache(); // what earlier tests left, nobody holds
    CReportDialog dialog(m_template);
    dialog.m_printWhenShown = TRUE;
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_TRUE(dialog.m_readyWhenShown);
    EXPECT_TRUE(dialog.m_printed);
    EXPECT_TRUE(m_app.m_messages.empty());

    // A configuration stored under the dialog's name is used.
    CPrinterPaperConfig landscape;
    landscape.m_landscape = 1;
    PrinterPaperConfigTexts.SetAt("Default-Portrait", landscape.WriteText());
    CReportDialog second(m_template);
    ASSERT_EQ(IDOK, second.DoModal());
    EXPECT_TRUE(second.m_readyWhenShown);
    PrinterPaperConfigTexts.RemoveAll();
    int landscapeEntries = 0;
    for (int i = 0; i < GetPrinterDataCacheSize(); ++i)
        landscapeEntries += GetCachedPrinterData(i, NULL)->m_paperDescription.Find("landscape") >= 0;
    EXPECT_EQ(1, landscapeEntries);
}

TEST_F(PrintableDlgPrintingTest, NoPrintingWithoutTheInstalledPrinting)
{
    SetPrintableDlgPrinting(NULL);
    CReportDialog dialog(m_template);
    dialog.m_printWhenShown = TRUE;
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_FALSE(dialog.m_printed);
    EXPECT_TRUE(m_app.m_messages.empty());
}
} // namespace
