// The terminology dialog driven through its controls: what a chosen term
// shows, and how typing, Reset Term and Reset All Terms change the texts.
#include "application/terminology/TerminologyDlg.h"
#include "application/terminology/TerminologyIds.h"
#include "support/DialogDriver.h"
#include "support/LayoutCheck.h"
#include "support/WindowScreenshot.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
class TerminologyDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Term 0 has a comment and asks for title case, term 1 asks for title
        // case without a comment, term 2 has an empty default, term 3 none.
        m_dialog.AddTerm("~Dog~", "Dog", "The animal bred.", "Hound", TRUE);
        m_dialog.AddTerm("~Bitch~", "Bitch", "", "Dam", TRUE);
        m_dialog.AddTerm("~Suffix~", "Suffix", "Added after names.", "x", FALSE);
        m_dialog.AddTerm("~Litter~", "Litter", "", "Brood", FALSE);
        m_dialog.SetDefault("~Dog~", "Dog");
        m_dialog.SetDefault("~Bitch~", "Bitch");
        m_dialog.SetDefault("~Suffix~", "");
        ASSERT_TRUE(m_dialog.Create(IDD_TERMINOLOGY, NULL));
    }
    void TearDown() override { m_dialog.DestroyWindow(); }

    HWND Dialog() { return m_dialog.GetSafeHwnd(); }
    std::string Item(int id)
    {
        char text[512] = "";
        ::GetDlgItemTextA(Dialog(), id, text, sizeof text);
        return text;
    }
    void Select(const char* name)
    {
        HWND list = ::GetDlgItem(Dialog(), IDC_TERM_LIST);
        ASSERT_GE(::SendMessageA(list, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)name), 0) << name;
        ::SendMessageA(Dialog(), WM_COMMAND, MAKEWPARAM(IDC_TERM_LIST, LBN_SELCHANGE), (LPARAM)list);
    }
    // The list's lines from top to bottom, separated by '|'.
    std::string Lines()
    {
        HWND list = ::GetDlgItem(Dialog(), IDC_TERM_LIST);
        std::string lines;
        const int count = (int)::SendMessageA(list, LB_GETCOUNT, 0, 0);
        for (int line = 0; line < count; line++)
        {
            char text[256] = "";
            ::SendMessageA(list, LB_GETTEXT, line, (LPARAM)text);
            lines += (line ? "|" : "") + std::string(text);
        }
        return lines;
    }
    std::string SelectedLine()
    {
        const int term = m_dialog.GetSelectedTerm();
        return term < 0 ? "" : std::string(m_dialog.GetLineText(term));
    }

    CTerminologyDlg m_dialog;
};

const char TitleCase[] = "Enter the value in Title Case, i.e. with the first letter of each word in capitals.";
}  // namespace

TEST_F(TerminologyDlgTest, OpensOnTheFirstLineOfTheSortedList)
{
    EXPECT_EQ(Lines(), "Bitch:\tDam|Dog:\tHound|Litter:\tBrood|Suffix:\tx");
    EXPECT_EQ(Item(IDC_TERM_NAME), "Bitch");
    EXPECT_EQ(Item(IDC_TERM_VALUE), "Dam");
}

TEST_F(TerminologyDlgTest, ChosenTermShowsItsNameTextCommentsAndDefault)
{
    const struct
    {
        const char* name;
        const char* value;
        std::string comments;
        const char* defaultText;
    } cases[] = {
        {"Dog", "Hound", std::string("The animal bred.\n\nNote: ") + TitleCase, "''Dog''"},
        {"Bitch", "Dam", TitleCase, "''Bitch''"},
        {"Suffix", "x", "Added after names.", "no default"},
        {"Litter", "Brood", "", "''~Litter~''"},
    };
    for (const auto& c : cases)
    {
        Select(c.name);
        EXPECT_EQ(Item(IDC_TERM_NAME), c.name);
        EXPECT_EQ(Item(IDC_TERM_VALUE), c.value) << c.name;
        EXPECT_EQ(Item(IDC_TERM_COMMENTS), c.comments) << c.name;
        EXPECT_EQ(Item(IDC_TERM_DEFAULT), c.defaultText) << c.name;
    }
}

TEST_F(TerminologyDlgTest, TypingGivesTheChosenTermItsNewText)
{
    Select("Dog");
    ::SetDlgItemTextA(Dialog(), IDC_TERM_VALUE, "Canine");
    EXPECT_EQ(std::string(m_dialog.m_values[0]), "Canine");
    EXPECT_EQ(Lines(), "Bitch:\tDam|Dog:\tCanine|Litter:\tBrood|Suffix:\tx");
    EXPECT_EQ(SelectedLine(), "Dog:\tCanine");
    EXPECT_EQ(Item(IDC_TERM_NAME), "Dog");
    EXPECT_EQ(Item(IDC_TERM_VALUE), "Canine");
}

TEST_F(TerminologyDlgTest, ResetTermGivesBackTheDefaultInListAndEdit)
{
    Select("Dog");
    CDialogDriver::ClickNow(Dialog(), IDC_TERM_RESET);
    EXPECT_EQ(SelectedLine(), "Dog:\tDog");
    EXPECT_EQ(Item(IDC_TERM_VALUE), "Dog");
    Select("Suffix");
    CDialogDriver::ClickNow(Dialog(), IDC_TERM_RESET);
    EXPECT_EQ(SelectedLine(), "Suffix:\t");
    EXPECT_EQ(Item(IDC_TERM_VALUE), "");
    EXPECT_EQ(std::string(m_dialog.m_values[1]), "Dam");  // others keep their texts
}

TEST_F(TerminologyDlgTest, ResetAllTermsResetsEveryTextAndKeepsTheSelection)
{
    Select("Litter");
    ::SetDlgItemTextA(Dialog(), IDC_TERM_VALUE, "Pups");
    CDialogDriver::ClickNow(Dialog(), IDC_TERM_RESET_ALL);
    EXPECT_EQ(Lines(), "Bitch:\tBitch|Dog:\tDog|Litter:\t~Litter~|Suffix:\t");
    EXPECT_EQ(Item(IDC_TERM_NAME), "Litter");
    EXPECT_EQ(Item(IDC_TERM_VALUE), "~Litter~");
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(Dialog(), IDC_TERM_LIST));
}

TEST_F(TerminologyDlgTest, ShownWithEveryControlInsideTheWindow)
{
    Select("Dog");
    m_dialog.ShowWindow(SW_SHOW);
    m_dialog.UpdateWindow();
    RECT client;
    ::GetClientRect(Dialog(), &client);
    for (HWND child = ::GetWindow(Dialog(), GW_CHILD); child != NULL; child = ::GetWindow(child, GW_HWNDNEXT))
    {
        RECT rect;
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(NULL, Dialog(), (POINT*)&rect, 2);
        EXPECT_TRUE(rect.left >= client.left && rect.top >= client.top && rect.right <= client.right &&
                    rect.bottom <= client.bottom)
            << ::GetDlgCtrlID(child);
    }
    EXPECT_TRUE(SaveWindowScreenshot(Dialog(), "terminology"));
    EXPECT_EQ(JoinLayoutFaults(FindLayoutFaults(Dialog())), "");
}
