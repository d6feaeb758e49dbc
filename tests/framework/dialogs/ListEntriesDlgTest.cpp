#include "framework/dialogs/ListEntriesDlg.h"

#include "framework/dialogs/NameEntryDlg.h"
#include "framework/messages/MessageBoxIds.h"
#include "support/LayoutCheck.h"
#include "support/DialogDriver.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/WindowScreenshot.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
// Runs a list-entries dialog whose every step is one action on the dialog
// window; the name-entry dialogs it opens are answered with the texts given,
// and its messages recorded.
struct DialogRun
{
    std::vector<std::string> names; // typed into the name-entry dialogs, in turn
    std::vector<std::string> titles, labels, okCaptions, messages;
};

std::string Entries(const CStringArray& entries)
{
    std::string joined;
    for (int i = 0; i < entries.GetSize(); ++i)
        joined += std::string(i > 0 ? "|" : "") + (LPCTSTR)entries[i];
    return joined;
}

void RunDialog(CListEntriesDlg& dialog, DialogRun& run, const std::function<void(HWND)>& steps, int endWith = IDOK)
{
    size_t next = 0;
    CDialogDriver driver([&](HWND window) {
        if (::GetDlgItem(window, IDC_LIST_ENTRIES_LIST) != NULL)
        {
            steps(window);
            CDialogDriver::Click(window, endWith);
        }
        else if (::GetDlgItem(window, IDC_NAME_ENTRY_EDIT) != NULL)
        {
            run.titles.push_back(CDialogDriver::WindowText(window));
            run.labels.push_back(CDialogDriver::ItemText(window, IDC_NAME_ENTRY_LABEL));
            run.okCaptions.push_back(CDialogDriver::ItemText(window, IDOK));
            ::SetDlgItemTextA(window, IDC_NAME_ENTRY_EDIT, next < run.names.size() ? run.names[next++].c_str() : "");
            CDialogDriver::Click(window, IDOK);
        }
        else
        {
            run.messages.push_back(CDialogDriver::ItemText(window, IDC_MSGBOX_TEXT));
            CDialogDriver::Click(window, IDOK);
        }
    });
    dialog.DoModal();
}

void Press(HWND dialog, int id)
{
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)::GetDlgItem(dialog, id));
}

struct AddCase
{
    UINT templateId;
    BOOL prefixMatch;
    const char* typed;
    const char* entries; // after OK
    bool refused;
};

class ListEntriesAddTest : public ::testing::TestWithParam<AddCase>
{
protected:
    CFrameworkTestApp m_app;
};
}

TEST_P(ListEntriesAddTest, AddsANewEntryAndRefusesDuplicates)
{
    const AddCase& c = GetParam();
    CListEntriesDlg dialog(c.templateId, NULL);
    dialog.m_entryWord = "term";
    dialog.m_titleWord = "Term";
    dialog.m_prefixMatch = c.prefixMatch;
    dialog.m_newEntryText = "Sable";
    for (const char* entry : {"Merle", "Brindle", "Blue"})
        dialog.m_entries.Add(entry);
    DialogRun run;
    run.names = {c.typed};
    RunDialog(dialog, run, [&](HWND window) {
        ::SendDlgItemMessageA(window, IDC_LIST_ENTRIES_LIST, LB_SETCURSEL, 1, 0);
        Press(window, IDC_LIST_ENTRIES_ADD);
    });
    EXPECT_EQ(run.titles, std::vector<std::string>{"New Term"});
    EXPECT_EQ(run.labels, std::vector<std::string>{"Enter the new term below:"});
    EXPECT_EQ(run.okCaptions, std::vector<std::string>{"Add"});
    EXPECT_EQ(Entries(dialog.m_entries), c.entries);
    ASSERT_EQ(run.messages.size(), c.refused ? 1u : 0u);
    if (c.refused)
    {
        EXPECT_EQ(run.messages[0], "Sorry, but there is an existing term that matches '" + std::string(c.typed) + "'. ");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListEntriesAddTest,
    ::testing::Values(AddCase{IDD_SELECTOR_LIST_ENTRIES, FALSE, "Bri", "Merle|Bri|Brindle|Blue", false},
                      AddCase{IDD_SELECTOR_LIST_ENTRIES, FALSE, "Brindle", "Merle|Brindle|Blue", true},
                      AddCase{IDD_SELECTOR_LIST_ENTRIES, FALSE, "brindle", "Merle|brindle|Brindle|Blue", false},
                      AddCase{IDD_SELECTOR_LIST_ENTRIES, TRUE, "Bri", "Merle|Brindle|Blue", true},
                      AddCase{IDD_SELECTOR_LIST_ENTRIES, TRUE, "Brindle", "Merle|Brindle|Blue", true},
                      AddCase{IDD_SELECTOR_LIST_ENTRIES, FALSE, "", "Merle|Brindle|Blue", false},
                      AddCase{IDD_AUTOCOMPLETION_TERMS, FALSE, "Fawn", "Blue|Brindle|Fawn|Merle", false}));

TEST(ListEntriesDlgTest, UpdateDeleteAndDeleteAllFollowTheListAndTheEntriesRoundTrip)
{
    CFrameworkTestApp app;
    CListEntriesDlg dialog(IDD_LIST_ENTRIES, NULL);
    dialog.m_entryWord = "colour";
    dialog.m_titleWord = "Colour";
    for (const char* entry : {"Merle", "Brindle", "Blue"})
        dialog.m_entries.Add(entry);
    DialogRun run;
    run.names = {"Blue Merle", "Blue"};
    bool deleteAllEnabled = false, deleteEnabledWithoutSelection = true, deleteAllEmptyEnabled = true;
    RunDialog(dialog, run, [&](HWND window) {
        HWND list = ::GetDlgItem(window, IDC_LIST_ENTRIES_LIST);
        deleteEnabledWithoutSelection = ::IsWindowEnabled(::GetDlgItem(window, IDC_LIST_ENTRIES_DELETE)) != FALSE;
        deleteAllEnabled = ::IsWindowEnabled(::GetDlgItem(window, IDC_LIST_ENTRIES_DELETE_ALL)) != FALSE;
        ::SendMessageA(list, LB_SETCURSEL, 0, 0);
        Press(window, IDC_LIST_ENTRIES_UPDATE); // Merle becomes Blue Merle
        ::SendMessageA(list, LB_SETCURSEL, 1, 0);
        Press(window, IDC_LIST_ENTRIES_UPDATE); // Brindle to Blue: a duplicate
        Press(window, IDC_LIST_ENTRIES_DELETE); // Brindle goes
        EXPECT_TRUE(SaveWindowScreenshot(window, "framework_list_entries_dialog"));
        EXPECT_EQ(JoinLayoutFaults(FindLayoutFaults(window)), "");
    });
    EXPECT_FALSE(deleteEnabledWithoutSelection);
    EXPECT_TRUE(deleteAllEnabled);
    EXPECT_EQ(run.titles, (std::vector<std::string>{"Update Colour", "Update Colour"}));
    EXPECT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(Entries(dialog.m_entries), "Blue Merle|Blue");

    // Delete All empties the list and is disabled then; Cancel keeps the entries.
    RunDialog(dialog, run, [&](HWND window) {
        Press(window, IDC_LIST_ENTRIES_DELETE_ALL);
        EXPECT_EQ(::SendDlgItemMessageA(window, IDC_LIST_ENTRIES_LIST, LB_GETCOUNT, 0, 0), 0);
        deleteAllEmptyEnabled = ::IsWindowEnabled(::GetDlgItem(window, IDC_LIST_ENTRIES_DELETE_ALL)) != FALSE;
    }, IDCANCEL);
    EXPECT_FALSE(deleteAllEmptyEnabled);
    EXPECT_EQ(Entries(dialog.m_entries), "Blue Merle|Blue");
    RunDialog(dialog, run, [&](HWND window) { Press(window, IDC_LIST_ENTRIES_DELETE_ALL); });
    EXPECT_EQ(Entries(dialog.m_entries), "");
}
