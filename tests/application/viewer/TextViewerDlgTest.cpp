// The text viewer: the template its flags choose, and what a viewer shows
// and answers when it runs.
#include "application/viewer/TextViewerDlg.h"
#include "application/viewer/TextViewerIds.h"
#include "support/DialogDriver.h"
#include "support/LayoutCheck.h"
#include "support/WindowScreenshot.h"

#include <gtest/gtest.h>

#include <string>

TEST(TextViewer, FlagsChooseTheTemplate)
{
    const struct
    {
        DWORD flags;
        UINT templateId;
    } cases[] = {
        {0, IDD_TEXT_VIEWER_QUESTION},
        {VIEWER_YES_IS_DEFAULT, IDD_TEXT_VIEWER_QUESTION},
        {VIEWER_OK_STYLE, IDD_TEXT_VIEWER},
        {VIEWER_CLOSE_BUTTON, IDD_TEXT_VIEWER},
        {VIEWER_CLOSE_BUTTON | VIEWER_NO_COPY, IDD_TEXT_VIEWER},
        {VIEWER_WIDE, IDD_TEXT_VIEWER_QUESTION_WIDE},
        {VIEWER_WIDE | VIEWER_OK_STYLE, IDD_TEXT_VIEWER_WIDE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CTextViewerDlg::ChooseTemplate(c.flags), c.templateId) << c.flags;
}

// Each look of the viewer on screen: its buttons and texts laid out without
// faults, with and without a heading.
TEST(TextViewer, EachTemplateShowsItsTextAndButtonsCleanly)
{
    const struct
    {
        DWORD flags;
        const char* heading;
        const char* name;
    } cases[] = {
        {VIEWER_CLOSE_BUTTON | VIEWER_NO_COPY, "", "notes"},
        {0, "Do you want to install these genetics settings now?", "question"},
        {VIEWER_WIDE | VIEWER_OK_STYLE | VIEWER_FIXED_FONT, "Predicted mating results:", "wide"},
    };
    std::string text;
    for (int line = 1; line <= 30; line++)
        text += "Line " + std::to_string(line) + " of the notes: the sire carries one copy of the merle allele.\r\n";
    for (const auto& c : cases)
    {
        CTextViewerDlg viewer(c.flags, NULL);
        viewer.SetHeading(c.heading);
        viewer.SetText(text.c_str());
        std::string faults = "not shown";
        CDialogDriver driver([&](HWND window) {
            SaveWindowScreenshot(window, std::string("text-viewer-") + c.name);
            faults = JoinLayoutFaults(FindLayoutFaults(window));
            ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        });
        viewer.DoModal();
        EXPECT_EQ(faults, "") << c.name;
    }
}
