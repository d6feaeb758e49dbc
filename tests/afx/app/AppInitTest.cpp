#include "afx/app/AfxWin.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::vector<std::string> g_steps;

class CStartupApp : public CWinApp
{
public:
    CStartupApp() : CWinApp(NULL) {}

    virtual BOOL InitApplication()
    {
        g_steps.push_back("InitApplication");
        return TRUE;
    }

    virtual BOOL InitInstance()
    {
        g_steps.push_back(std::string("InitInstance ") + m_lpCmdLine);
        m_exeName = m_pszExeName;
        m_appName = m_pszAppName;
        m_helpPath = m_pszHelpFilePath;
        // the main dialog ran here; the application's own loop never runs
        return FALSE;
    }

    virtual int ExitInstance()
    {
        g_steps.push_back("ExitInstance");
        CWinApp::ExitInstance();
        return 3;
    }

    std::string m_exeName, m_appName, m_helpPath;
};

void AFXAPI RecordWinInit()
{
    CWinApp* pApp = AfxGetApp();
    g_steps.push_back(pApp->m_pszExeName == NULL ? "hook before the names" : "hook after the names");
}

TEST(AppInitTest, StartUpRunsTheHookTheNamesAndTheInitialisationInOrder)
{
    g_steps.clear();
    CStartupApp app;
    AfxSetWinInitHook(RecordWinInit);
    char szCmdLine[] = "install";
    int nCode = AfxWinMain(::GetModuleHandleA(NULL), NULL, szCmdLine, SW_SHOWNORMAL);
    AfxSetWinInitHook(NULL);

    EXPECT_EQ(3, nCode);
    std::vector<std::string> expected = {"hook before the names", "InitApplication", "InitInstance install",
                                         "ExitInstance"};
    EXPECT_EQ(expected, g_steps);
    EXPECT_EQ("afx_tests", app.m_exeName);
    // no title string in these resources: the application takes the file's name
    EXPECT_EQ("afx_tests", app.m_appName);
    EXPECT_STREQ(app.m_pszAppName, AfxGetAppName());
    ASSERT_GE(app.m_helpPath.size(), 14u);
    EXPECT_EQ("afx_tests.HLP", app.m_helpPath.substr(app.m_helpPath.size() - 13));
    EXPECT_EQ(::GetModuleHandleA(NULL), AfxGetInstanceHandle());
}
} // namespace
