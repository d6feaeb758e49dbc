#include "framework/dialogs/ChoiceDlg.h"

#include "FrameDialogTestIds.h"
#include "framework/dialogs/ChoiceDlgIds.h"
#include "support/DialogDriver.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/LayoutCheck.h"
#include "support/WindowScreenshot.h"

#include <gtest/gtest.h>

#include <string>

struct ChoiceCase
{
    DWORD disabledMask;
    int selected;
    int expected; // the button checked and focused, and the result
};

namespace
{
class ChoiceDlgTest : public ::testing::TestWithParam<ChoiceCase>
{
protected:
    CFrameworkTestApp m_app;
};

const int Buttons[] = {40029, 40031, 40032};
}

TEST_P(ChoiceDlgTest, FillsTheCaptionsAndPassesTheSelectionOnPastDisabledButtons)
{
    const ChoiceCase& c = GetParam();
    CChoiceDlg dialog(IDD_CHOICE_TEST, NULL);
    dialog.m_disabledMask = c.disabledMask;
    dialog.m_selected = c.selected;
    dialog.m_heading = "What becomes of the litter?";
    const char* first[] = {"Bella", "the puppies", "Rex"};
    const char* second[] = {"Rex", "all", "a breeder"};
    for (int i = 0; i < 3; ++i)
    {
        dialog.m_firstTexts[i] = first[i];
        dialog.m_secondTexts[i] = second[i];
    }
    CDialogDriver driver([&](HWND window) {
        EXPECT_EQ(CDialogDriver::ItemText(window, IDC_CHOICE_HEADING), "What becomes of the litter?");
        const char* captions[] = {"Mate Bella with Rex", "Keep the puppies (all)", "Sell Rex to a breeder"};
        for (int i = 0; i < 3; ++i)
        {
            HWND button = ::GetDlgItem(window, Buttons[i]);
            EXPECT_EQ(CDialogDriver::WindowText(button), captions[i]);
            EXPECT_EQ(::IsWindowEnabled(button) != FALSE, (c.disabledMask & (1u << i)) == 0) << i;
            EXPECT_EQ(::SendMessageA(button, BM_GETCHECK, 0, 0), i == c.expected ? BST_CHECKED : BST_UNCHECKED) << i;
        }
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(window, Buttons[c.expected]));
        EXPECT_NE(::GetWindowLongA(window, GWL_STYLE) & DS_NOIDLEMSG, 0);
        if (c.disabledMask == 2)
        {
            EXPECT_TRUE(SaveWindowScreenshot(window, "framework_choice_dialog"));
            EXPECT_EQ(JoinLayoutFaults(FindLayoutFaults(window)), "");
        }
        CDialogDriver::Click(window, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_selected, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Selections, ChoiceDlgTest,
                         ::testing::Values(ChoiceCase{0, 1, 1}, ChoiceCase{2, 1, 2}, ChoiceCase{4, 2, 0},
                                           ChoiceCase{5, 2, 1}, ChoiceCase{3, 0, 2}, ChoiceCase{0, 7, 0}));
