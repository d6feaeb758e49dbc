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

// With VIEWER_FIT_LINES a long paragraph is shown in lines that fit the text
// control, so the control wraps nothing itself; the viewer's text, which is
// printed, keeps the paragraph whole.
TEST(TextViewer, FittedLinesLeaveTheControlNothingToWrap)
{
    std::string paragraph;
    for (int sentence = 0; sentence < 200; sentence++)
        paragraph += "Merle is incompletely dominant and double merles are mostly white. ";
    const std::string text = "A first line.\r\n\r\n" + paragraph + "\r\nThe last line.";
    CTextViewerDlg viewer(VIEWER_CLOSE_BUTTON | VIEWER_NO_COPY | VIEWER_FIT_LINES, NULL);
    viewer.SetText(text.c_str());
    int controlLines = 0, hardLines = 0;
    std::string shown;
    CDialogDriver driver([&](HWND window) {
        HWND edit = ::GetDlgItem(window, IDC_VIEWER_TEXT);
        controlLines = (int)::SendMessageA(edit, EM_GETLINECOUNT, 0, 0);
        char buffer[32768] = "";
        ::GetWindowTextA(edit, buffer, sizeof(buffer));
        shown = buffer;
        ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    });
    viewer.DoModal();
    hardLines = 1;
    for (size_t at = shown.find("\r\n"); at != std::string::npos; at = shown.find("\r\n", at + 2))
        hardLines++;
    EXPECT_GT(hardLines, 20) << "the paragraph is shown in many lines";
    EXPECT_EQ(controlLines, hardLines) << shown;
    EXPECT_EQ(shown.rfind("A first line.\r\n\r\nMerle is", 0), 0u) << shown.substr(0, 100);
    EXPECT_STREQ(viewer.GetText(), text.c_str());
}
