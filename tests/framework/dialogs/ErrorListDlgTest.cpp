#include "framework/dialogs/ErrorListDlg.h"

#include "framework/dialogs/ErrorListIds.h"
#include "support/LayoutCheck.h"
#include "support/DialogDriver.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/WindowScreenshot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct ErrorListCase
{
    UINT templateId;
    const char* caption;
    int button;   // pressed after Copy
    int result;
};

namespace
{
class ErrorListDlgTest : public ::testing::TestWithParam<ErrorListCase>
{
protected:
    CFrameworkTestApp m_app;
};

std::string ClipboardText()
{
    std::string text;
    if (!::OpenClipboard(NULL))
        return text;
    HANDLE data = ::GetClipboardData(CF_TEXT);
    const char* chars = data != NULL ? (const char*)::GlobalLock(data) : NULL;
    if (chars != NULL)
    {
        text = chars;
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return text;
}
} // namespace

TEST(ErrorListTextTest, TabsWithinTheFirstElevenColumnsLineTheSecondPartUp)
{
    CStringArray entries;
    for (const char* entry : {"Line 4\tunknown gene 'Q'", "\tat the start", "Configuration\ttab too far", "plain",
                              "0123456789\tlast column"})
        entries.Add(entry);
    EXPECT_EQ(std::string(CErrorListDlg::FormatEntries(entries)),
              "Line 4     unknown gene 'Q'\r\n"
              "           at the start\r\n"
              "Configuration\ttab too far\r\n"
              "plain\r\n"
              "0123456789 last column");
}

TEST_P(ErrorListDlgTest, ShowsTheEntriesCopiesThemAndAnswers)
{
    const ErrorListCase& c = GetParam();
    CErrorListDlg dialog(c.templateId, NULL);
    dialog.m_message = "The configuration has problems:";
    dialog.m_entries.Add("Line 4\tunknown gene 'Q'");
    dialog.m_entries.Add("Line 9\tduplicate allele 'b'");
    CDialogDriver driver([&](HWND window) {
        EXPECT_EQ(CDialogDriver::WindowText(window), c.caption);
        EXPECT_EQ(CDialogDriver::ItemText(window, IDC_ERROR_LIST_MESSAGE), "The configuration has problems:");
        EXPECT_EQ(::SendDlgItemMessageA(window, IDC_ERROR_LIST, LB_GETCOUNT, 0, 0), 2);
        ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_ERROR_LIST_COPY, BN_CLICKED),
                       (LPARAM)::GetDlgItem(window, IDC_ERROR_LIST_COPY));
        EXPECT_EQ(ClipboardText(), "Line 4     unknown gene 'Q'\r\nLine 9     duplicate allele 'b'");
        EXPECT_TRUE(SaveWindowScreenshot(window, "framework_error_list_" + std::to_string(c.templateId)));
        EXPECT_EQ(JoinLayoutFaults(FindLayoutFaults(window)), "");
        CDialogDriver::Click(window, c.button);
    });
    EXPECT_EQ(dialog.DoModal(), c.result);
}

INSTANTIATE_TEST_SUITE_P(Templates, ErrorListDlgTest,
                         ::testing::Values(ErrorListCase{IDD_ERROR_LIST, "Error(s)/Warning(s)", IDOK, IDOK},
                                           ErrorListCase{IDD_ERROR_LIST_YES_NO, "Error(s)/Warning(s)",
                                                         IDC_ERROR_LIST_YES, IDYES},
                                           ErrorListCase{IDD_WARNING_LIST, "Warning(s)", IDOK, IDOK},
                                           ErrorListCase{IDD_WARNING_LIST_YES_NO, "Warning(s)", IDC_ERROR_LIST_NO,
                                                         IDNO}));
