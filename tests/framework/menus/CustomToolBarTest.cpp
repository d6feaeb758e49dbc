#include "framework/menus/CustomToolBar.h"
#include "framework/menus/MenuCommandTexts.h"
#include "framework/menus/MenuTestIds.h"
#include "support/TestRegistryKey.h"
#include "support/WindowScreenshot.h"

#include <gtest/gtest.h>

namespace
{
// A frame that lives in the test, not on the heap.
class CTestFrame : public CFrameWnd
{
protected:
    void PostNcDestroy() override {}
};

TBBUTTON Button(int id, int image)
{
    TBBUTTON button = {};
    button.idCommand = id;
    button.iBitmap = id == 0 ? 0 : image;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = id == 0 ? TBSTYLE_SEP : TBSTYLE_BUTTON;
    return button;
}

class CustomToolBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_BTNFACE + 1)), "Frame",
                                     WS_OVERLAPPEDWINDOW | WS_VISIBLE, 30, 30, 300, 120, NULL, NULL));
        ASSERT_TRUE(m_bar.Create(&m_frame));
        ASSERT_TRUE(m_bar.LoadToolBar(IDR_MENU_TOOLBAR_A));
        const TBBUTTON full[] = {Button(0, 0),   Button(601, 0), Button(0, 0),  Button(0, 0),
                                 Button(602, 1), Button(0, 0),   Button(603, 2)};
        m_bar.SetFullButtonSet(full, _countof(full));
    }
    void TearDown() override { m_frame.DestroyWindow(); }
    LRESULT Notify(UINT code, NMTOOLBARA* info = NULL)
    {
        NMTOOLBARA local = {};
        NMTOOLBARA* notify = info != NULL ? info : &local;
        notify->hdr.hwndFrom = m_bar.m_hWnd;
        notify->hdr.idFrom = m_bar.GetDlgCtrlID();
        notify->hdr.code = code;
        return m_frame.SendMessage(WM_NOTIFY, notify->hdr.idFrom, (LPARAM)notify);
    }
    std::vector<int> Buttons()
    {
        std::vector<int> ids;
        for (int i = 0; i < m_bar.GetToolBarCtrl().GetButtonCount(); ++i)
            ids.push_back((int)m_bar.GetItemID(i));
        return ids;
    }
    CTestRegistryKey m_stateKey{"Kestrova Toolbar Tests"};
    CTestFrame m_frame;
    CCustomToolBar m_bar;
};
}

TEST_F(CustomToolBarTest, ResetBringsBackTheFullSetWithoutHiddenCommandsOrDoubledSeparators)
{
    const UINT hidden[] = {602};
    m_bar.SetHiddenCommands(hidden, 1);
    m_bar.GetToolBarCtrl().DeleteAllButtons();
    Notify(TBN_RESET);
    EXPECT_EQ((std::vector<int>{601, 0, 603}), Buttons());
    // Adjusting ends the same way.
    TBBUTTON separator = Button(0, 0);
    m_bar.GetToolBarCtrl().InsertButton(0, &separator);
    Notify(TBN_ENDADJUST);
    EXPECT_EQ((std::vector<int>{601, 0, 603}), Buttons());
    EXPECT_EQ(1, Notify(TBN_QUERYINSERT));
    EXPECT_EQ(1, Notify(TBN_QUERYDELETE));
    m_frame.UpdateWindow();
    SaveWindowScreenshot(m_frame.m_hWnd, "framework_toolbar");
}

TEST_F(CustomToolBarTest, ButtonInfoNamesTheCommandByItsMenuText)
{
    CollectMenuCommandTexts(IDR_TEST_MENU);
    const struct
    {
        int index;
        LRESULT answer;
        int id;
        int bufferSize;
        const char* text;
    } cases[] = {
        {1, 1, 601, 64, "Save"}, {1, 1, 601, 3, "Sa"}, {4, 1, 602, 64, ""}, {7, 0, 0, 64, ""}, {-1, 0, 0, 64, ""}};
    for (const auto& c : cases)
    {
        char buffer[64] = "";
        NMTOOLBARA info = {};
        info.iItem = c.index;
        info.pszText = buffer;
        info.cchText = c.bufferSize;
        EXPECT_EQ(c.answer, Notify(TBN_GETBUTTONINFOA, &info)) << c.index;
        EXPECT_EQ(c.id, info.tbButton.idCommand) << c.index;
        EXPECT_STREQ(c.text, buffer) << c.index;
    }
}

TEST_F(CustomToolBarTest, ArrangementIsSavedWhenTheToolbarGoes)
{
    m_bar.SetStatePlace(HKEY_CURRENT_USER, m_stateKey.Path().c_str(), "Buttons");
    m_bar.DestroyWindow();
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, m_stateKey.Path().c_str(), 0, KEY_READ, &key));
    DWORD size = 0;
    EXPECT_EQ(ERROR_SUCCESS, ::RegQueryValueExA(key, "Buttons", NULL, NULL, NULL, &size));
    EXPECT_GT(size, 0u);
    ::RegCloseKey(key);
}
