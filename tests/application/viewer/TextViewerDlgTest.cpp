// The text viewer: the template its flags choose, and what a viewer shows
// and answers when it runs.
#include "application/viewer/TextViewerDlg.h"
#include "application/viewer/TextViewerIds.h"

#include <gtest/gtest.h>

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
