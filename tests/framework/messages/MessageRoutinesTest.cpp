#include "framework/messages/MessageRoutines.h"

#include "foundation/messages/MessageHook.h"

#include "support/MessageBoxAnswerer.h"

#include <gtest/gtest.h>

#include <string>

TEST(MessageRoutinesTest, TextsAreShownAsSentences)
{
    CMessageBoxAnswerer answerer(IDOK);
    EXPECT_EQ(ShowError(NULL, 0, "  unable to open %s ", "Clipboard"), IDOK);
    EXPECT_EQ(answerer.LastText(), "Unable to open Clipboard. ");
    EXPECT_EQ(ShowWarning(NULL, 0, "%d files left?", 3), IDOK);
    EXPECT_EQ(answerer.LastText(), "3 files left?");
    EXPECT_EQ(ShowInformationTitled(NULL, "Kennel", "Done!"), IDOK);
    EXPECT_EQ(answerer.LastText(), "Done!");
    EXPECT_EQ(answerer.LastTitle(), "Kennel");
    EXPECT_EQ(answerer.Count(), 3);
}

TEST(MessageRoutinesTest, AnEmptyTextIsNotShownAndCountsAsCancel)
{
    CMessageBoxAnswerer answerer(IDYES);
    EXPECT_EQ(ShowError(NULL, 0, "%s", "   "), IDCANCEL);
    EXPECT_EQ(AskYesNoCancel("Key", 0, ""), IDCANCEL);
    EXPECT_FALSE(AskYesNo(NULL, 0, "%s", ""));
    EXPECT_EQ(answerer.Count(), 0);
}

TEST(MessageRoutinesTest, QuestionsGiveTheButtonThatClosedThem)
{
    CMessageBoxAnswerer answerer(IDNO);
    EXPECT_EQ(AskYesNoCancel("PromptSaveSettings", 0, "save?"), IDNO);
    EXPECT_FALSE(AskYesNo(NULL, 0, "proceed?"));
    answerer.SetAnswer(IDYES);
    EXPECT_EQ(AskYesNoCancel("PromptSaveSettings", 0, "save?"), IDYES);
    EXPECT_TRUE(AskYesNoDefaultNo(NULL, 0, "really?"));
    answerer.SetAnswer(IDCANCEL);
    EXPECT_EQ(AskYesNoCancel("PromptSaveSettings", 0, "save?"), IDCANCEL);
    EXPECT_FALSE(AskOkCancel(NULL, 0, "go on?"));
    EXPECT_EQ(answerer.LastText(), "Go on?");
}

TEST(MessageRoutinesTest, FormatsTextsOfAnyLength)
{
    std::string longText(3000, 'x');
    CMessageBoxAnswerer answerer(IDOK);
    ShowError(NULL, 0, "%s%d", longText.c_str(), 7);
    EXPECT_EQ(answerer.LastText(), "X" + longText.substr(1) + "7. ");
}

TEST(MessageRoutinesTest, ErrorsAndWarningsShowTheExclamationAndOneButton)
{
    CMessageBoxAnswerer answerer(IDOK);
    HICON exclamation = ::LoadIconA(NULL, (LPCSTR)IDI_EXCLAMATION);
    HICON question = ::LoadIconA(NULL, (LPCSTR)IDI_QUESTION);
    ASSERT_NE(exclamation, question);

    ShowError(NULL, 0, "%s", "Unable to empty Clipboard");
    EXPECT_EQ(answerer.LastButtons(), "OK");
    EXPECT_EQ(answerer.LastIcon(), exclamation);
    ShowWarning(NULL, 0, "Unable to determine temporary files folder.");
    EXPECT_EQ(answerer.LastButtons(), "OK");
    EXPECT_EQ(answerer.LastIcon(), exclamation);

    answerer.SetAnswer(IDCANCEL);
    AskYesNoCancel("PromptSaveSettings", 0, "Settings have been changed.");
    EXPECT_EQ(answerer.LastButtons(), "YesNoCancel");
    EXPECT_EQ(answerer.LastIcon(), question);
    EXPECT_EQ(answerer.Count(), 3);
}

TEST(MessageRoutinesTest, InstalledForTheFoundationsMessages)
{
    MessageHook before = SetMessageHook(NULL);
    InstallMessageRoutines();
    CMessageBoxAnswerer answerer(IDNO);
    EXPECT_EQ(AskFoundationYesNoCancel("PromptSaveSettings", "settings have changed"), IDNO);
    EXPECT_EQ(answerer.LastText(), "Settings have changed. ");
    EXPECT_NE(SetMessageHook(before), (MessageHook)NULL);
}
