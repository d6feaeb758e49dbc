// The application object's command map: each command builds its command
// object on the stack, runs it or lets it update the item, and drops it.
#include "application/app/MyApp.h"

#include "application/commands/AboutCommand.h"
#include "application/commands/AppCommandIds.h"
#include "application/commands/ConfigurePromptsCommand.h"
#include "application/commands/ExitCommand.h"
#include "application/commands/NewDatabaseCommand.h"
#include "application/commands/OpenDatabaseCommand.h"
#include "application/commands/OpenRecentFileCommand.h"
#include "application/commands/SendMailCommand.h"
#include "application/commands/VisitWebSiteCommand.h"

namespace
{
template <class TCommand>
int RunCommand(CCmdTarget* app, UINT id)
{
    TCommand command(app, id);
    return command.Run();
}

template <class TCommand>
void UpdateCommand(CCmdTarget* app, CCmdUI* pCmdUI)
{
    TCommand command(app, pCmdUI->m_nID);
    command.UpdateCmdUI(pCmdUI);
}
}  // namespace

#define RECENT_FILE_ENTRIES(n)                                \
    ON_COMMAND_EX(ID_FILE_MRU_FILE1 + (n), OnRecentFileCommand) \
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1 + (n), OnUpdateRecentFileCommand)

BEGIN_MESSAGE_MAP(CMyApp, CFrameworkApp)
ON_COMMAND(ID_APP_VISIT_WEB_SITE, OnVisitWebSite)
ON_UPDATE_COMMAND_UI(ID_APP_VISIT_WEB_SITE, OnUpdateVisitWebSite)
ON_COMMAND(ID_APP_SEND_MAIL, OnSendMail)
ON_UPDATE_COMMAND_UI(ID_APP_SEND_MAIL, OnUpdateSendMail)
ON_COMMAND(ID_FILE_NEW, OnNewDatabase)
ON_UPDATE_COMMAND_UI(ID_FILE_NEW, OnUpdateNewDatabase)
ON_COMMAND(ID_FILE_OPEN, OnOpenDatabase)
ON_UPDATE_COMMAND_UI(ID_FILE_OPEN, OnUpdateOpenDatabase)
RECENT_FILE_ENTRIES(0) RECENT_FILE_ENTRIES(1) RECENT_FILE_ENTRIES(2) RECENT_FILE_ENTRIES(3)
RECENT_FILE_ENTRIES(4) RECENT_FILE_ENTRIES(5) RECENT_FILE_ENTRIES(6) RECENT_FILE_ENTRIES(7)
RECENT_FILE_ENTRIES(8) RECENT_FILE_ENTRIES(9) RECENT_FILE_ENTRIES(10) RECENT_FILE_ENTRIES(11)
RECENT_FILE_ENTRIES(12) RECENT_FILE_ENTRIES(13) RECENT_FILE_ENTRIES(14) RECENT_FILE_ENTRIES(15)
ON_COMMAND(ID_APP_EXIT, OnExitCommand)
ON_UPDATE_COMMAND_UI(ID_APP_EXIT, OnUpdateExitCommand)
ON_COMMAND(ID_APP_ABOUT, OnAboutCommand)
ON_UPDATE_COMMAND_UI(ID_APP_ABOUT, OnUpdateAboutCommand)
ON_COMMAND(ID_APP_CONFIGURE_PROMPTS, OnConfigurePrompts)
ON_UPDATE_COMMAND_UI(ID_APP_CONFIGURE_PROMPTS, OnUpdateConfigurePrompts)
END_MESSAGE_MAP()

void CMyApp::OnVisitWebSite()
{
    RunCommand<CVisitWebSiteCommand>(this, ID_APP_VISIT_WEB_SITE);
}

void CMyApp::OnUpdateVisitWebSite(CCmdUI* pCmdUI)
{
    UpdateCommand<CVisitWebSiteCommand>(this, pCmdUI);
}

void CMyApp::OnSendMail()
{
    RunCommand<CSendMailCommand>(this, ID_APP_SEND_MAIL);
}

void CMyApp::OnUpdateSendMail(CCmdUI* pCmdUI)
{
    UpdateCommand<CSendMailCommand>(this, pCmdUI);
}

void CMyApp::OnNewDatabase()
{
    RunCommand<CNewDatabaseCommand>(this, ID_FILE_NEW);
}

void CMyApp::OnUpdateNewDatabase(CCmdUI* pCmdUI)
{
    UpdateCommand<CNewDatabaseCommand>(this, pCmdUI);
}

void CMyApp::OnOpenDatabase()
{
    RunCommand<COpenDatabaseCommand>(this, ID_FILE_OPEN);
}

void CMyApp::OnUpdateOpenDatabase(CCmdUI* pCmdUI)
{
    UpdateCommand<COpenDatabaseCommand>(this, pCmdUI);
}

BOOL CMyApp::OnRecentFileCommand(UINT id)
{
    RunCommand<COpenRecentFileCommand>(this, id);
    return TRUE;
}

void CMyApp::OnUpdateRecentFileCommand(CCmdUI* pCmdUI)
{
    UpdateCommand<COpenRecentFileCommand>(this, pCmdUI);
}

void CMyApp::OnExitCommand()
{
    RunCommand<CExitCommand>(this, ID_APP_EXIT);
}

void CMyApp::OnUpdateExitCommand(CCmdUI* pCmdUI)
{
    UpdateCommand<CExitCommand>(this, pCmdUI);
}

void CMyApp::OnAboutCommand()
{
    RunCommand<CAboutCommand>(this, ID_APP_ABOUT);
}

void CMyApp::OnUpdateAboutCommand(CCmdUI* pCmdUI)
{
    UpdateCommand<CAboutCommand>(this, pCmdUI);
}

void CMyApp::OnConfigurePrompts()
{
    RunCommand<CConfigurePromptsCommand>(this, ID_APP_CONFIGURE_PROMPTS);
}

void CMyApp::OnUpdateConfigurePrompts(CCmdUI* pCmdUI)
{
    UpdateCommand<CConfigurePromptsCommand>(this, pCmdUI);
}
