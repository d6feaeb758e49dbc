#include "afx/app/AfxWin.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

namespace
{
const char COMPANY[] = "Kestrova Framework Tests";

// The company key is removed before and after each test.
class WinAppTest : public ::testing::Test
{
protected:
    void SetUp() override { DeleteCompanyKey(); }
    void TearDown() override { DeleteCompanyKey(); }

    static void DeleteCompanyKey()
    {
        HKEY hSoftware;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &hSoftware) == ERROR_SUCCESS)
        {
            ::SHDeleteKeyA(hSoftware, COMPANY);
            ::RegCloseKey(hSoftware);
        }
    }

    // The raw value under HKCU\Software\<company>\<profile>\<section>.
    static bool ReadRaw(const char* pszProfile, const char* pszSection, const char* pszEntry, DWORD* pdwType,
                        BYTE* pData, DWORD* pcbData)
    {
        CString strKey;
        strKey.Format("Software\\%s\\%s\\%s", COMPANY, pszProfile, pszSection);
        HKEY hKey;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, strKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return false;
        LONG lResult = ::RegQueryValueExA(hKey, pszEntry, NULL, pdwType, pData, pcbData);
        ::RegCloseKey(hKey);
        return lResult == ERROR_SUCCESS;
    }
};

TEST_F(WinAppTest, ProfileValuesRoundTripUnderTheRegistryKey)
{
    CWinApp app("Profile Test App");
    app.SetRegistryKey(COMPANY, "Breeder");
    EXPECT_STREQ(COMPANY, app.m_pszRegistryKey);
    EXPECT_STREQ("Breeder", app.m_pszProfileName);

    EXPECT_TRUE(app.WriteProfileInt("Preferences", "Count", -5));
    EXPECT_TRUE(app.WriteProfileString("Preferences", "Name", "Bella"));
    EXPECT_EQ(-5, (int)app.GetProfileInt("Preferences", "Count", 0));
    EXPECT_STREQ("Bella", app.GetProfileString("Preferences", "Name", "x"));

    DWORD dwType = 0, dwValue = 0, cbData = sizeof(dwValue);
    ASSERT_TRUE(ReadRaw("Breeder", "Preferences", "Count", &dwType, (BYTE*)&dwValue, &cbData));
    EXPECT_EQ((DWORD)REG_DWORD, dwType);
    EXPECT_EQ((DWORD)-5, dwValue);
    char szText[32] = "";
    cbData = sizeof(szText);
    ASSERT_TRUE(ReadRaw("Breeder", "Preferences", "Name", &dwType, (BYTE*)szText, &cbData));
    EXPECT_EQ((DWORD)REG_SZ, dwType);
    EXPECT_STREQ("Bella", szText);
}

TEST_F(WinAppTest, MissingOrMistypedValuesGiveTheDefault)
{
    CWinApp app("Profile Test App");
    app.SetRegistryKey(COMPANY, "Breeder");
    EXPECT_EQ(17u, app.GetProfileInt("Settings", "Missing", 17));
    EXPECT_STREQ("fallback", app.GetProfileString("Settings", "Missing", "fallback"));
    EXPECT_STREQ("", app.GetProfileString("Settings", "Missing"));
    // a text is no number, a number no text
    app.WriteProfileString("Settings", "Text", "12");
    app.WriteProfileInt("Settings", "Number", 12);
    EXPECT_EQ(3u, app.GetProfileInt("Settings", "Text", 3));
    EXPECT_STREQ("d", app.GetProfileString("Settings", "Number", "d"));
    // reading made the section key
    DWORD dwType, cbData = 0;
    EXPECT_FALSE(ReadRaw("Breeder", "Settings", "Missing", &dwType, NULL, &cbData));
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Kestrova Framework Tests\\Breeder\\Settings",
                                             0, KEY_READ, &hKey));
    ::RegCloseKey(hKey);
}

TEST_F(WinAppTest, NullValuesDeleteEntriesAndSections)
{
    CWinApp app("Profile Test App");
    app.SetRegistryKey(COMPANY, "Breeder");
    app.WriteProfileString("Section", "Entry", "value");
    EXPECT_TRUE(app.WriteProfileString("Section", "Entry", NULL));
    EXPECT_STREQ("gone", app.GetProfileString("Section", "Entry", "gone"));
    app.WriteProfileInt("Doomed", "Entry", 1);
    EXPECT_TRUE(app.WriteProfileString("Doomed", NULL, NULL));
    HKEY hKey;
    EXPECT_NE(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Kestrova Framework Tests\\Breeder\\Doomed", 0,
                                             KEY_READ, &hKey));
}

TEST_F(WinAppTest, AnEmptyProfileNameFallsBackToTheApplicationName)
{
    CWinApp app("Fallback App");
    app.SetRegistryKey(COMPANY, "");
    EXPECT_STREQ("Fallback App", app.m_pszProfileName);
    app.WriteProfileInt("S", "E", 4);
    DWORD dwType, dwValue = 0, cbData = sizeof(dwValue);
    EXPECT_TRUE(ReadRaw("Fallback App", "S", "E", &dwType, (BYTE*)&dwValue, &cbData));
    EXPECT_EQ(4u, dwValue);
}

TEST_F(WinAppTest, TheApplicationIsRegisteredWhileItLives)
{
    {
        CWinApp app("Registered");
        EXPECT_EQ(&app, AfxGetApp());
        EXPECT_EQ(&app, AfxGetThread());
    }
    EXPECT_EQ(NULL, AfxGetApp());
    EXPECT_NE((CWinThread*)NULL, AfxGetThread()); // the thread's own object
}

// The command line arguments, flags without their marks.
class CRecordingCommandLine : public CCommandLineInfo
{
public:
    virtual void ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL bLast)
    {
        m_log += CString(bFlag ? "flag:" : "param:") + pszParam + (bLast ? ";last" : ";");
        CCommandLineInfo::ParseParam(pszParam, bFlag, bLast);
    }
    CString m_log;
};

TEST_F(WinAppTest, TheCommandLineIsParsedFromTheSecondArgument)
{
    CWinApp app("Args");
    CRecordingCommandLine info;
    int nOldArgc = __argc;
    char** ppOldArgv = __argv;
    char* args[] = {(char*)"Kestrova.exe", (char*)"/install", (char*)"first.gen", (char*)"-x", (char*)"second"};
    __argc = 5;
    __argv = args;
    app.ParseCommandLine(info);
    __argc = nOldArgc;
    __argv = ppOldArgv;
    EXPECT_STREQ("flag:install;param:first.gen;flag:x;param:second;last", info.m_log);
    EXPECT_STREQ("first.gen", info.m_strFileName);
}

// What a timer saw of the message box it then answered.
struct MessageBoxSeen
{
    bool bFound = false;
    DWORD dwContext = 0;
    bool bHasIcon = false;
};
MessageBoxSeen g_seen;
const char BOX_CAPTION[] = "Message Box Test";

void CALLBACK AnswerMessageBox(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    HWND hBox = ::FindWindowA("#32770", BOX_CAPTION);
    if (hBox == NULL)
        return; // not up yet
    ::KillTimer(NULL, nIDEvent);
    g_seen.bFound = true;
    g_seen.dwContext = AfxGetApp()->m_dwPromptContext;
    // the box's icon is its only static control that shows an icon
    for (HWND hChild = ::GetWindow(hBox, GW_CHILD); hChild != NULL; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        if (::SendMessageA(hChild, STM_GETICON, 0, 0) != 0 && ::IsWindowVisible(hChild))
            g_seen.bHasIcon = true;
    }
    ::PostMessageA(hBox, WM_COMMAND, IDCANCEL, 0);
}

int ShowAndAnswer(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    g_seen = MessageBoxSeen();
    ::SetTimer(NULL, 0, 20, AnswerMessageBox);
    return AfxMessageBox(lpszText, nType, nIDHelp);
}

TEST(WinAppMessageBox, CaptionIconAndHelpContextOfTheApplicationsMessageBox)
{
    CWinApp app(BOX_CAPTION);
    app.m_dwPromptContext = 5;
    EXPECT_EQ(IDCANCEL, ShowAndAnswer("Plain", MB_OKCANCEL, 77));
    EXPECT_TRUE(g_seen.bFound); // captioned with the application's name
    EXPECT_EQ(HID_BASE_PROMPT + 77, g_seen.dwContext);
    EXPECT_TRUE(g_seen.bHasIcon); // an exclamation was added
    EXPECT_EQ(5u, app.m_dwPromptContext);

    // retry boxes get no icon added; no help id leaves the context alone
    EXPECT_EQ(IDCANCEL, ShowAndAnswer("Retry", MB_RETRYCANCEL, 0));
    EXPECT_TRUE(g_seen.bFound);
    EXPECT_EQ(5u, g_seen.dwContext);
    EXPECT_FALSE(g_seen.bHasIcon);
}

TEST(WinAppWaitCursor, NestedWaitsKeepTheWaitCursorUntilTheLastEnds)
{
    CWinApp app("Wait Test");
    HCURSOR hArrow = ::LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    HCURSOR hWait = ::LoadCursorA(NULL, (LPCSTR)IDC_WAIT);
    ::SetCursor(hArrow);
    CCmdTarget target;
    target.BeginWaitCursor();
    EXPECT_EQ(hWait, ::GetCursor());
    app.BeginWaitCursor();
    target.EndWaitCursor();
    EXPECT_EQ(1, app.m_nWaitCursorCount);
    EXPECT_EQ(hWait, ::GetCursor());
    ::SetCursor(hArrow); // something changed it meanwhile
    target.RestoreWaitCursor();
    EXPECT_EQ(hWait, ::GetCursor());
    app.EndWaitCursor();
    EXPECT_EQ(0, app.m_nWaitCursorCount);
    EXPECT_EQ(hArrow, ::GetCursor()); // the cursor from before the first wait
}
} // namespace
