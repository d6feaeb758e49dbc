#include "afx/DialogTemplate.h"
#include "framework/dialogs/MyPropertyPage.h"
#include "framework/dialogs/MyPropertySheet.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/WindowScreenshot.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace
{
const UINT IDC_NOTES = 1001;

CDialogTemplate MakePage(const wchar_t* caption, short cx, short cy)
{
    CDialogTemplate t(caption, WS_CHILD | WS_CAPTION | DS_CONTROL, cx, cy);
    t.Add(CDialogTemplate::EDIT, L"", IDC_NOTES, WS_BORDER | ES_MULTILINE | ES_WANTRETURN | WS_TABSTOP, 5, 5,
          cx - 10, cy - 10);
    return t;
}

class CProbePage : public CMyPropertyPage
{
public:
    explicit CProbePage(const CDialogTemplate& t) : CMyPropertyPage(0)
    {
        m_psp.dwFlags |= PSP_DLGINDIRECT;
        m_psp.pResource = t.Get();
    }
    std::function<void(CProbePage&)> m_onShown;

protected:
    BOOL OnSetActive() override
    {
        BOOL result = CMyPropertyPage::OnSetActive();
        if (m_onShown)
            PostMessage(WM_APP);
        return result;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_APP && m_onShown)
        {
            auto step = m_onShown;
            m_onShown = nullptr;
            step(*this);
            return 0;
        }
        return CMyPropertyPage::WindowProc(message, wParam, lParam);
    }
};

void SetKeys(bool control, bool shift)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = control ? 0x80 : 0;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

class MyPropertySheetTest : public ::testing::Test
{
protected:
    MyPropertySheetTest()
    {
        for (const CDialogTemplate& t : templates)
            pages.push_back(std::make_unique<CProbePage>(t));
        for (auto& page : pages)
            sheet.AddPage(page.get());
    }
    ~MyPropertySheetTest() override { SetKeys(false, false); }

    // Presses a key in the sheet as the message loop would hand it over.
    BOOL Press(UINT message, WPARAM key, bool control, bool shift)
    {
        SetKeys(control, shift);
        MSG msg = {sheet.GetActivePage()->GetDlgItem(IDC_NOTES)->m_hWnd, message, key, 1};
        BOOL used = sheet.PreTranslateMessage(&msg);
        SetKeys(false, false);
        return used;
    }

    CFrameworkTestApp app;
    CDialogTemplate templates[3] = {MakePage(L"&General", 120, 60), MakePage(L"&Colour", 220, 140),
                                    MakePage(L"&Notes", 160, 90)};
    std::vector<std::unique_ptr<CProbePage>> pages;
    CMyPropertySheet sheet{"Dog"};
};

TEST_F(MyPropertySheetTest, GrowsToTheLargestPageAndSwitchesByKeys)
{
    std::vector<int> visited;
    CSize largest, pageArea;
    pages[0]->m_onShown = [&](CProbePage& page) {
        CRect big(0, 0, 220, 140);
        ::MapDialogRect(page.m_hWnd, &big);
        largest = big.Size();
        CRect display;
        sheet.GetTabControl()->GetClientRect(&display);
        sheet.GetTabControl()->SendMessage(TCM_ADJUSTRECT, FALSE, (LPARAM)&display);
        pageArea = display.Size();
        SaveWindowScreenshot(sheet.m_hWnd, "framework_property_sheet");
        EXPECT_TRUE(Press(WM_KEYDOWN, VK_TAB, true, false));
        visited.push_back(sheet.GetActiveIndex());
        Press(WM_KEYDOWN, VK_TAB, true, false);
        visited.push_back(sheet.GetActiveIndex());
        Press(WM_KEYDOWN, VK_TAB, true, false);   // from the last to the first
        visited.push_back(sheet.GetActiveIndex());
        Press(WM_KEYDOWN, VK_TAB, true, true);    // back from the first to the last
        visited.push_back(sheet.GetActiveIndex());
        EXPECT_TRUE(Press(WM_SYSKEYDOWN, 'C', false, true));
        visited.push_back(sheet.GetActiveIndex());
        Press(WM_SYSKEYDOWN, 'Z', false, true);   // no tab has it
        visited.push_back(sheet.GetActiveIndex());
        sheet.PostMessage(WM_COMMAND, IDOK);
    };
    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_EQ((std::vector<int>{1, 2, 0, 2, 1, 1}), visited);
    EXPECT_GE(pageArea.cx, largest.cx);
    EXPECT_GE(pageArea.cy, largest.cy);
}

TEST_F(MyPropertySheetTest, EscapeInAMultiLineEditCancelsTheSheet)
{
    BOOL used = FALSE;
    pages[0]->m_onShown = [&](CProbePage&) { used = Press(WM_KEYDOWN, VK_ESCAPE, false, false); };
    EXPECT_EQ(IDCANCEL, sheet.DoModal());
    EXPECT_TRUE(used);
}

TEST_F(MyPropertySheetTest, FinishedWizardAnswersOkUnlessToldOtherwise)
{
    for (BOOL finishIsOk : {TRUE, FALSE})
    {
        CMyPropertySheet wizard("Wizard");
        CProbePage only(templates[0]);
        only.m_hasNext = FALSE;
        wizard.AddPage(&only);
        wizard.SetWizardMode();
        wizard.m_finishIsOk = finishIsOk;
        only.m_onShown = [&](CProbePage&) { wizard.PressButton(PSBTN_FINISH); };
        EXPECT_EQ(finishIsOk ? IDOK : ID_WIZFINISH, wizard.DoModal());
    }
}
} // namespace
