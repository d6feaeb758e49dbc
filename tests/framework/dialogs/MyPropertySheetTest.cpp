#include "support/DialogTemplate.h"
#include "framework/dialogs/MyPropertyPage.h"
#include "framework/controls/MyButton.h"
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
// The sheet's own buttons, when they are framework buttons, show which of
// them is the default as the dialog base's do.
TEST_F(MyPropertySheetTest, TheDefaultButtonLookFollowsTheDefaultId)
{
    CMyButton ok, cancel;
    std::pair<int, int> frames[2];
    pages[0]->m_onShown = [&](CProbePage&) {
        ok.SubclassWindow(sheet.GetDlgItem(IDOK)->m_hWnd);
        cancel.SubclassWindow(sheet.GetDlgItem(IDCANCEL)->m_hWnd);
        sheet.SendMessage(DM_SETDEFID, IDOK);
        frames[0] = {ok.m_defaultFrame, cancel.m_defaultFrame};
        sheet.SendMessage(DM_SETDEFID, IDCANCEL);
        frames[1] = {ok.m_defaultFrame, cancel.m_defaultFrame};
        sheet.PostMessage(WM_COMMAND, IDCANCEL);
    };
    sheet.DoModal();
    EXPECT_EQ(std::make_pair(1, 0), frames[0]);
    EXPECT_EQ(std::make_pair(0, 1), frames[1]);
}

// A wizard driven by a sequence of pages: Next skips the pages the sequence
// leaves out, Back returns along it, and the buttons offered follow it.
TEST_F(MyPropertySheetTest, WizardSequencesChooseTheNextAndPreviousPage)
{
    sheet.SetWizardMode();
    struct Stop
    {
        int index;
        BOOL back, next;
    };
    std::vector<Stop> stops;
    auto record = [&](CProbePage& page) {
        stops.push_back({sheet.GetActiveIndex(), page.CanGoBack(), page.CanGoNext()});
    };
    pages[0]->m_onShown = [&](CProbePage& page) {
        sheet.m_sequences.push_back({{pages[0].get(), pages[2].get()}, 1, FALSE});
        record(page);
        sheet.PressButton(PSBTN_NEXT);
    };
    pages[2]->m_onShown = [&](CProbePage& page) {
        record(page);
        pages[0]->m_onShown = [&](CProbePage& first) {
            record(first);
            sheet.PressButton(PSBTN_CANCEL);
        };
        sheet.PressButton(PSBTN_BACK);
    };
    sheet.DoModal();
    ASSERT_EQ(3u, stops.size());
    EXPECT_EQ(0, stops[0].index);
    EXPECT_FALSE(stops[0].back);
    EXPECT_TRUE(stops[0].next);
    EXPECT_EQ(2, stops[1].index) << "the sequence skips the middle page";
    EXPECT_TRUE(stops[1].back);
    EXPECT_FALSE(stops[1].next);
    EXPECT_EQ(0, stops[2].index);
}

// What a wizard move answers from the sequence stack: an inner sequence
// returns to its outer one at the page it was entered from, or past it when
// it restarts; without sequences the pages' own flags and the sheet's order.
TEST_F(MyPropertySheetTest, WizardMovesFollowTheSequenceStack)
{
    auto id = [&](int page) { return (int)(UINT_PTR)pages[page]->m_psp.pszTemplate; };
    std::vector<int> answers;
    BOOL canGoBack = FALSE, canGoNext = FALSE, alwaysNext = FALSE;
    pages[0]->m_onShown = [&](CProbePage& page) {
        answers.push_back(sheet.GetNextPage(&page)); // no sequences: the sheet's order
        page.m_hasBack = FALSE;
        page.m_hasNext = FALSE;
        canGoBack = page.CanGoBack();
        canGoNext = page.CanGoNext();
        page.m_alwaysNext = TRUE;
        sheet.m_sequences.push_back({{pages[0].get()}, 1, FALSE});
        alwaysNext = page.CanGoNext();
        page.m_alwaysNext = FALSE;

        sheet.m_sequences = {{{pages[0].get(), pages[1].get()}, 1, FALSE}, {{pages[2].get()}, 1, FALSE}};
        answers.push_back(sheet.GetPreviousPage(&page)); // inner popped: outer's page before its index
        sheet.m_sequences = {{{pages[0].get(), pages[1].get()}, 1, FALSE}, {{pages[2].get()}, 1, TRUE}};
        answers.push_back(sheet.GetPreviousPage(&page)); // a restarting inner: the outer's page at its index
        answers.push_back(sheet.m_sequences.back().next);
        sheet.m_sequences = {{{pages[0].get()}, 1, FALSE}, {{pages[2].get()}, 1, FALSE}};
        answers.push_back(sheet.GetNextPage(&page)); // both used up: stay
        sheet.m_sequences.clear();
        sheet.PressButton(PSBTN_CANCEL);
    };
    sheet.SetWizardMode();
    sheet.DoModal();
    EXPECT_EQ((std::vector<int>{0, id(0), id(1), 2, -1}), answers);
    EXPECT_FALSE(canGoBack);
    EXPECT_FALSE(canGoNext);
    EXPECT_TRUE(alwaysNext);
}

// Linked pages of two sheets become active together.
TEST_F(MyPropertySheetTest, LinkedPagesOfTwoSheetsBecomeActiveTogether)
{
    CMyPropertySheet other("Other");
    CProbePage otherFirst(templates[0]), otherSecond(templates[1]);
    other.AddPage(&otherFirst);
    other.AddPage(&otherSecond);
    pages[2]->m_linkedPage = &otherSecond;
    otherSecond.m_linkedPage = pages[2].get();
    int otherIndex = -1, ownIndex = -1;
    pages[0]->m_onShown = [&](CProbePage&) {
        sheet.PostMessage(WM_COMMAND, IDCANCEL);
        ASSERT_TRUE(other.Create(&sheet));
        sheet.SetActivePage(2);
        otherIndex = other.GetActiveIndex();
        other.SetActivePage(0);
        ownIndex = sheet.GetActiveIndex();
        other.DestroyWindow();
    };
    sheet.DoModal();
    EXPECT_EQ(1, otherIndex);
    EXPECT_EQ(2, ownIndex) << "only the linked page follows";
}
} // namespace
