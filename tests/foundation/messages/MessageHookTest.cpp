// The foundation's messages go through the installed routine, and to the
// platform's box when none is installed.
#include "foundation/messages/MessageHook.h"

#include "support/MessageBoxAnswerer.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
struct Shown
{
    std::string key;
    UINT titleId;
    std::string text;
    UINT flags;
};

Shown lastShown;

int Record(LPCTSTR key, UINT titleId, LPCTSTR format, va_list args, UINT flags)
{
    lastShown = {key != NULL ? key : "(none)", titleId, (LPCTSTR)MakeMessageText(format, args), flags};
    return IDNO;
}
} // namespace

TEST(MessageHook, EachMessageReachesTheInstalledRoutine)
{
    const struct
    {
        int (*show)();
        const char* key;
        const char* text;
        UINT flags;
    } cases[] = {
        {[] {
             return ShowFoundationError("unable to open %s", "Clipboard");
         },
         "(none)", "Unable to open Clipboard. ", MB_ICONEXCLAMATION},
        {[] {
             return ShowFoundationWarning("%d files left  ", 3);
         },
         "(none)", "3 files left. ", MB_ICONEXCLAMATION},
        {[] {
             return AskFoundationYesNoCancel("PromptSaveSettings", "Save?");
         },
         "PromptSaveSettings", "Save?", MB_YESNOCANCEL | MB_ICONQUESTION},
    };
    MessageHook saved = SetMessageHook(&Record);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.show(), IDNO);
        EXPECT_EQ(lastShown.key, c.key);
        EXPECT_EQ(lastShown.titleId, 0u);
        EXPECT_EQ(lastShown.text, c.text);
        EXPECT_EQ(lastShown.flags, c.flags);
    }
    EXPECT_EQ(SetMessageHook(saved), &Record);
}

TEST(MessageHook, WithoutARoutineThePlatformBoxShowsTheSentence)
{
    ASSERT_EQ(SetMessageHook(NULL), (MessageHook)NULL);
    CMessageBoxAnswerer answerer(IDCANCEL);
    EXPECT_EQ(AskFoundationYesNoCancel("PromptSaveSettings", "save the settings"), IDCANCEL);
    EXPECT_EQ(answerer.LastText(), "Save the settings. ");
    EXPECT_EQ(answerer.LastButtons(), "YesNoCancel");
    EXPECT_EQ(ShowFoundationError("   "), IDCANCEL) << "an empty text is never shown";
    EXPECT_EQ(answerer.Count(), 1);
}
