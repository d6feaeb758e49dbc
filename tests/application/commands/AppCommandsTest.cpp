// The application commands as the application object's command map runs and
// updates them: which items are enabled, what the commands do, the addresses
// the web and mail commands open and the prompts of the string table.
#include "application/app/MyApp.h"
#include "application/commands/AppCommandIds.h"
#include "application/commands/SendMailCommand.h"
#include "application/commands/VisitWebSiteCommand.h"
#include "foundation/terminology/TermsMap.h"
#include "framework/messages/MessagePrompts.h"
#include "support/DialogDriver.h"

#include "support/TestRegistryKey.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

namespace
{
// Records what an update handler did to the item.
class CProbeCmdUI : public CCmdUI
{
public:
    explicit CProbeCmdUI(UINT id) { m_nID = id; }
    void Enable(BOOL on) override
    {
        enableCalls++;
        enabled = on;
    }
    int enableCalls = 0;
    BOOL enabled = FALSE;
};

class AppCommandsTest : public ::testing::Test
{
protected:
    AppCommandsTest() : m_registry("KestrovaAppCommandsTest")
    {
        m_app.SetRegistryKey("Mirolf Technologies Ltd", "KestrovaAppCommandsTest");
        GetMessagePrompts().DeleteAll();
    }
    ~AppCommandsTest() override { GetMessagePrompts().DeleteAll(); }

    // The update as the idle update of a menu or button asks for it.
    CProbeCmdUI Update(UINT id)
    {
        CProbeCmdUI ui(id);
        EXPECT_TRUE(m_app.OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &ui, NULL)) << id;
        return ui;
    }
    BOOL Command(UINT id) { return m_app.OnCmdMsg(id, CN_COMMAND, NULL, NULL); }

    CTestRegistryKey m_registry;
    CMyApp m_app;
};
}  // namespace

TEST_F(AppCommandsTest, UpdatesEnableWhatCanBeDoneAndOnlyTheFirstRecentFileEntryUpdatesTheList)
{
    const struct
    {
        UINT id;
        int enableCalls;
        BOOL enabled;
    } cases[] = {
        {ID_APP_VISIT_WEB_SITE, 1, TRUE},
        {ID_APP_SEND_MAIL, 1, TRUE},
        {ID_FILE_NEW, 1, FALSE},   // no documents to make
        {ID_FILE_OPEN, 1, FALSE},  // nor to open
        {ID_FILE_MRU_FILE1, 1, FALSE},  // no recent-file list
        {ID_FILE_MRU_FILE1 + 1, 0, FALSE},
        {ID_FILE_MRU_FILE1 + 9, 0, FALSE},
        {ID_FILE_MRU_FILE16, 0, FALSE},
        {ID_APP_EXIT, 1, TRUE},
        {ID_APP_ABOUT, 1, TRUE},
        {ID_APP_CONFIGURE_PROMPTS, 1, FALSE},  // no prompt registered yet
    };
    for (const auto& c : cases)
    {
        CProbeCmdUI ui = Update(c.id);
        EXPECT_EQ(ui.enableCalls, c.enableCalls) << c.id;
        if (c.enableCalls > 0)
        {
            EXPECT_EQ(ui.enabled, c.enabled) << c.id;
        }
    }

    RegisterMessagePrompt("PromptSaveSettings", "Save settings?\nSave Settings", MB_YESNO, 0);
    EXPECT_TRUE(Update(ID_APP_CONFIGURE_PROMPTS).enabled);
}

TEST_F(AppCommandsTest, CommandsWithNothingToActOnDoNothingAndExitClosesTheMainWindow)
{
    CTestWindow main;
    m_app.m_pMainWnd = main.Wnd();
    for (UINT id : {(UINT)ID_FILE_NEW, (UINT)ID_FILE_OPEN, (UINT)ID_FILE_MRU_FILE1, (UINT)ID_FILE_MRU_FILE16,
                    (UINT)ID_APP_CONFIGURE_PROMPTS})
    {
        EXPECT_TRUE(Command(id)) << "handled: " << id;
        EXPECT_TRUE(::IsWindow(main.Handle())) << id;
    }
    EXPECT_TRUE(Command(ID_APP_EXIT));
    EXPECT_FALSE(::IsWindow(main.Handle())) << "closing the main window destroys it";
    m_app.m_pMainWnd = NULL;
}

TEST_F(AppCommandsTest, ConfigurePromptsOpensTheDialogOnceAPromptIsRegistered)
{
    RegisterMessagePrompt("PromptSaveSettings", "Save settings?\nSave Settings", MB_YESNO, 0);
    CDialogDriver driver([](HWND dialog) { ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_TRUE(Command(ID_APP_CONFIGURE_PROMPTS));
    EXPECT_EQ(driver.Count(), 1);
}

namespace
{
int aboutEscapes = 0;

BOOL CALLBACK PressEscapeInVisibleWindow(HWND window, LPARAM)
{
    if (::IsWindowVisible(window))
    {
        aboutEscapes++;
        ::PostMessageA(window, WM_CHAR, VK_ESCAPE, 1);
    }
    return TRUE;
}

void CALLBACK CloseAboutWindow(HWND, UINT, UINT_PTR, DWORD)
{
    ::EnumThreadWindows(::GetCurrentThreadId(), PressEscapeInVisibleWindow, 0);
}
}  // namespace

TEST_F(AppCommandsTest, AboutShowsItsWindowUntilTheUserClosesIt)
{
    aboutEscapes = 0;
    // The About window is the thread's only visible top-level window.
    const UINT_PTR timer = ::SetTimer(NULL, 0, 100, CloseAboutWindow);
    EXPECT_TRUE(Command(ID_APP_ABOUT));
    ::KillTimer(NULL, timer);
    EXPECT_GE(aboutEscapes, 1) << "the command returns only after the window was closed";
}

TEST_F(AppCommandsTest, WebMailAndHelpAddressesTakeTheMakersDomainFromTheTerminology)
{
    SetTerm("mirolfdomain", "breeders.example.org", FALSE);
    EXPECT_STREQ(CVisitWebSiteCommand::GetAddress(), "www.breeders.example.org/kestrova/");
    EXPECT_STREQ(CSendMailCommand::GetAddress(), "kestrova.support@breeders.example.org");
    const CString help = MissingHelpFileMessage("Kestrova-Help.chm");
    EXPECT_NE(help.Find("- Kestrova-Help.chm.\n"), -1) << (LPCTSTR)help;
    EXPECT_NE(help.Find("revisit www.breeders.example.org/kestrova/ to obtain the help file"), -1) << (LPCTSTR)help;
    SetTerm("mirolfdomain", "mirolf.com", FALSE);
    EXPECT_STREQ(CVisitWebSiteCommand::GetAddress(), "www.mirolf.com/kestrova/");
}

TEST_F(AppCommandsTest, EveryCommandHasItsPromptInTheStringTable)
{
    for (UINT id : {ID_APP_VISIT_WEB_SITE, ID_APP_SEND_MAIL, ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_MRU_FILE1, ID_APP_EXIT,
                    ID_APP_ABOUT, ID_APP_CONFIGURE_PROMPTS, ID_APP_CONFIGURE_PREFERENCES})
    {
        CString prompt;
        ASSERT_TRUE(prompt.LoadString(id)) << id;
        EXPECT_FALSE(prompt.IsEmpty()) << id;
    }
}
