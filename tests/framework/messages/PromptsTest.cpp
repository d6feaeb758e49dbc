#include "foundation/settings/SettingsExchangers.h"
#include "framework/messages/ConfigurePromptsIds.h"
#include "framework/messages/MessageBoxIds.h"
#include "framework/messages/MessagePrompt.h"
#include "framework/messages/MessagePrompts.h"
#include "support/DialogDriver.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/LayoutCheck.h"
#include "support/WindowScreenshot.h"
#include "support/TestRegistryKey.h"

#include <gtest/gtest.h>

namespace
{
const char* const profile = "Kestrova Prompt Tests";

class PromptsTest : public ::testing::Test
{
protected:
    PromptsTest() : key(profile), app(profile)
    {
        GetMessagePrompts().DeleteAll();
        GetRememberedAnswers().RemoveAll();
        SettingsChangedFlag = FALSE;
    }
    ~PromptsTest() override
    {
        GetMessagePrompts().DeleteAll();
        GetRememberedAnswers().RemoveAll();
        SettingsChangedFlag = FALSE;
    }

    // Shows the question under the key; the driver ticks "don't show" when
    // told to and presses the button.
    int Ask(LPCTSTR promptKey, int press, bool tick, std::string* checkText = NULL)
    {
        CDialogDriver driver([&](HWND box) {
            if (checkText != NULL)
            {
                *checkText = CDialogDriver::ItemText(box, IDC_MSGBOX_DONT_SHOW);
                SaveWindowScreenshot(box, "framework_message_box_prompt");
                EXPECT_EQ(JoinLayoutFaults(FindLayoutFaults(box)), "");
            }
            if (tick)
                ::SendDlgItemMessageA(box, IDC_MSGBOX_DONT_SHOW, BM_SETCHECK, BST_CHECKED, 0);
            CDialogDriver::Click(box, press);
        });
        int answer = ShowPromptedMessageBox(NULL, "Save the litter?", "Litters", MB_YESNOCANCEL, 0, 0, promptKey);
        shown = driver.Count();
        return answer;
    }

    CTestRegistryKey key;
    CFrameworkTestApp app;
    int shown = 0;
};

TEST_F(PromptsTest, DontShowRemembersThePressedButtonAcrossARestart)
{
    std::string checkText;
    EXPECT_EQ(IDNO, Ask("SaveLitter", IDNO, true, &checkText));
    EXPECT_EQ("Please don't ask me this question in future", checkText);
    EXPECT_TRUE(SettingsChangedFlag);

    // saved with the settings, then read back as at the next start
    ExchangeRememberedAnswers(0, FALSE);
    GetRememberedAnswers().RemoveAll();
    ExchangeRememberedAnswers(0, TRUE);

    int remembered = 0;
    EXPECT_FALSE(GetMessagePromptAnswer("SaveLitter", &remembered));
    EXPECT_EQ(IDNO, remembered);
    EXPECT_EQ(IDNO, Ask("SaveLitter", IDYES, false));
    EXPECT_EQ(0, shown);
}

TEST_F(PromptsTest, CancelOrAnUntickedBoxRemembersNothing)
{
    EXPECT_EQ(IDCANCEL, Ask("SaveLitter", IDCANCEL, true));
    EXPECT_EQ(IDYES, Ask("SaveLitter", IDYES, false));
    EXPECT_EQ(0, GetRememberedAnswers().GetCount());
    EXPECT_TRUE(GetMessagePromptAnswer("SaveLitter", NULL));
    EXPECT_TRUE(GetMessagePromptAnswer("NeverRegistered", NULL));
}

TEST_F(PromptsTest, StoringTheCurrentStateInsertsWithoutMarkingAChange)
{
    CMessagePrompt prompt("RunHelpPrompt", "", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, 0);
    bool show = false;
    int answer = 0;
    LookupPromptState(GetRememberedAnswers(), prompt, &show, &answer);
    EXPECT_TRUE(show);
    EXPECT_EQ(IDNO, answer);
    StorePromptState(GetRememberedAnswers(), prompt, true, IDNO);
    EXPECT_FALSE(SettingsChangedFlag);
    int value = 0;
    EXPECT_TRUE(GetRememberedAnswers().Lookup("RunHelpPrompt", value));
    EXPECT_EQ(IDNO + 1, value);
    StorePromptState(GetRememberedAnswers(), prompt, false, IDYES);
    EXPECT_TRUE(SettingsChangedFlag);
    EXPECT_TRUE(GetRememberedAnswers().Lookup("RunHelpPrompt", value));
    EXPECT_EQ(-(IDYES + 1), value);
}

TEST_F(PromptsTest, ConfigurationDialogRoundTrip)
{
    EXPECT_EQ(IDCANCEL, ConfigureMessagePrompts(NULL));   // nothing registered: nothing shown
    RegisterMessagePrompt("BackupReminder", "This is the message reminding you to take regular backups\nBackup Reminder",
                          MB_ICONINFORMATION, 0);
    RegisterMessagePrompt("RunHelpPrompt", "This is the message that is displayed during startup asking whether you "
                          "want to display the help file\nDisplay Help Prompt", 0x124, 0);

    // choose "don't show" for the help prompt and answer "Yes" in its place
    std::string description, showText;
    std::vector<std::string> answers;
    CDialogDriver driver([&](HWND dialog) {
        HWND list = ::GetDlgItem(dialog, IDC_PROMPT_LIST);
        int index = (int)::SendMessageA(list, LB_FINDSTRINGEXACT, -1, (LPARAM) "Display Help Prompt");
        ::SendMessageA(list, LB_SETCURSEL, index, 0);
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PROMPT_LIST, LBN_SELCHANGE), (LPARAM)list);
        HWND answerList = ::GetDlgItem(dialog, IDC_PROMPT_ANSWERS);
        for (int i = 0; i < (int)::SendMessageA(answerList, LB_GETCOUNT, 0, 0); i++)
        {
            char text[64] = "";
            ::SendMessageA(answerList, LB_GETTEXT, i, (LPARAM)text);
            answers.push_back(text);
        }
        description = CDialogDriver::ItemText(dialog, IDC_PROMPT_DESCRIPTION);
        showText = CDialogDriver::ItemText(dialog, IDC_PROMPT_SHOW);
        ::SendDlgItemMessageA(dialog, IDC_PROMPT_SHOW, BM_SETCHECK, BST_UNCHECKED, 0);
        ::SendDlgItemMessageA(dialog, IDC_PROMPT_DONT_SHOW, BM_SETCHECK, BST_CHECKED, 0);
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PROMPT_DONT_SHOW, BN_CLICKED),
                       (LPARAM)::GetDlgItem(dialog, IDC_PROMPT_DONT_SHOW));
        ::SendMessageA(answerList, LB_SETCURSEL, 0, 0);
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PROMPT_ANSWERS, LBN_SELCHANGE), (LPARAM)answerList);
        SaveWindowScreenshot(dialog, "framework_configure_prompts");
        EXPECT_EQ(JoinLayoutFaults(FindLayoutFaults(dialog)), "");
        CDialogDriver::Click(dialog, IDOK);
    });
    EXPECT_EQ(IDOK, ConfigureMessagePrompts(NULL));
    EXPECT_EQ((std::vector<std::string>{"Yes", "No*"}), answers);
    EXPECT_EQ("I want to see the message*", showText);
    EXPECT_EQ("Message Description:\nThis is the message that is displayed during startup asking whether you want "
              "to display the help file", description);
    int remembered = 0;
    EXPECT_FALSE(GetMessagePromptAnswer("RunHelpPrompt", &remembered));
    EXPECT_EQ(IDYES, remembered);
    EXPECT_TRUE(SettingsChangedFlag);
}

TEST_F(PromptsTest, RestoreDefaultsThenCancelKeepsTheRememberedAnswers)
{
    RegisterMessagePrompt("SaveLitter", "Asks before saving\nSave Litter", MB_YESNOCANCEL, 0);
    Ask("SaveLitter", IDNO, true);
    CDialogDriver driver([&](HWND dialog) {
        CDialogDriver::Click(dialog, IDC_PROMPT_RESTORE_DEFAULTS);
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(IDCANCEL, ConfigureMessagePrompts(NULL));
    int remembered = 0;
    EXPECT_FALSE(GetMessagePromptAnswer("SaveLitter", &remembered));
    EXPECT_EQ(IDNO, remembered);
}
} // namespace
