#include "framework/named/NamedObjectListDlg.h"

#include "framework/dialogs/NameEntryIds.h"
#include "framework/messages/MessageBoxIds.h"
#include "framework/named/TestNamedKind.h"
#include "support/LayoutCheck.h"
#include "support/DialogDriver.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/WindowScreenshot.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>

namespace
{
    class NamedObjectListDlgTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            m_texts.SetAt("Default", "n1");
            m_texts.SetAt("Laser", "n2");
            m_texts.SetAt("Inkjet", "n3");
            m_tags.SetAt("Default", 1);
            m_tags.SetAt("Laser", 2);
            m_tags.SetAt("Inkjet", 3);
        }

        // Runs the dialog; 'script' drives it, typed names answer the
        // name-entry dialogs in turn (an empty one cancels), and message
        // boxes are recorded and closed.
        BOOL Run(std::function<void(HWND)> script, UINT templateId = IDD_NAMED_OBJECT_LIST)
        {
            CNamedObjectListDlg dialog(templateId, NULL);
            dialog.m_kindName = "Text Style";
            dialog.m_kindNamePlural = "Text Styles";
            dialog.m_fixedNames.Add("default");
            dialog.m_workingObject = &m_object;
            dialog.m_showDescriptions = TRUE;
            CDialogDriver driver([&](HWND window) {
                if (::GetDlgItem(window, IDC_NAMED_OBJECT_LIST) != NULL)
                    script(window);
                else if (::GetDlgItem(window, IDC_NAME_ENTRY_EDIT) != NULL)
                {
                    m_entryTitles.push_back(CDialogDriver::WindowText(window) + " | " +
                                            CDialogDriver::ItemText(window, IDC_NAME_ENTRY_LABEL) + " | " +
                                            CDialogDriver::ItemText(window, IDC_NAME_ENTRY_EDIT));
                    if (m_entryTitles.size() == 1)
                        SaveWindowScreenshot(window, "name_entry");
                    std::string name = m_names.empty() ? "" : m_names.front();
                    if (!m_names.empty())
                        m_names.pop_front();
                    ::SetDlgItemTextA(window, IDC_NAME_ENTRY_EDIT, name.c_str());
                    CDialogDriver::Click(window, name.empty() ? IDCANCEL : IDOK);
                }
                else
                {
                    m_messages.push_back(CDialogDriver::ItemText(window, IDC_MSGBOX_TEXT));
                    CDialogDriver::Click(window, IDOK);
                }
            });
            return EditNamedObjectList(dialog, &m_texts, &m_tags);
        }

        static void Press(HWND dialog, int id)
        {
            ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)::GetDlgItem(dialog, id));
            ::SendMessageA(dialog, WM_KICKIDLE, 0, 0);
        }
        static void Select(HWND dialog, const char* name)
        {
            HWND list = ::GetDlgItem(dialog, IDC_NAMED_OBJECT_LIST);
            ::SendMessageA(list, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)name);
            ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_NAMED_OBJECT_LIST, LBN_SELCHANGE), (LPARAM)list);
            ::SendMessageA(dialog, WM_KICKIDLE, 0, 0);
        }
        static std::string Items(HWND dialog)
        {
            HWND list = ::GetDlgItem(dialog, IDC_NAMED_OBJECT_LIST);
            std::string items;
            int count = (int)::SendMessageA(list, LB_GETCOUNT, 0, 0);
            for (int i = 0; i < count; i++)
            {
                char text[64] = "";
                ::SendMessageA(list, LB_GETTEXT, i, (LPARAM)text);
                items += std::string(i > 0 ? "," : "") + text;
            }
            return items;
        }
        static bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }
        std::string Stored(const char* name)
        {
            CString text;
            DWORD tag = 0;
            if (!m_texts.Lookup(name, text))
                return "-";
            m_tags.Lookup(name, tag);
            return std::string(text) + "/" + std::to_string((int)tag);
        }

        CFrameworkTestApp m_app;
        CTestNamedKind m_object;
        CMapStringToString m_texts;
        CNamedObjectTagMap m_tags;
        std::deque<std::string> m_names;
        std::vector<std::string> m_entryTitles;
        std::vector<std::string> m_messages;
    };
}

TEST_F(NamedObjectListDlgTest, AllFiveActionsReachTheStoreOnOk)
{
    m_names = {"Heading", "laser", "Quote", "LASER", "Quote", ""};
    BOOL ok = Run([&](HWND dialog) {
        EXPECT_EQ(CDialogDriver::WindowText(dialog), "Configure Text Styles");
        EXPECT_EQ(Items(dialog), "Default*,Inkjet,Laser");
        EXPECT_EQ(CDialogDriver::ItemText(dialog, IDC_NAMED_OBJECT_COUNT), "3 text styles");
        EXPECT_EQ(CDialogDriver::ItemText(dialog, IDC_NAMED_OBJECT_DESCRIPTION), "number 1");
        EXPECT_FALSE(Enabled(dialog, IDC_NAMED_OBJECT_RENAME)); // "Default" is fixed
        EXPECT_FALSE(Enabled(dialog, IDC_NAMED_OBJECT_DELETE));
        SaveWindowScreenshot(dialog, "named_object_list");
        EXPECT_EQ(JoinLayoutFaults(FindLayoutFaults(dialog)), "");

        CTestNamedKind::Script(9);
        Press(dialog, IDC_NAMED_OBJECT_NEW);           // "Heading"
        EXPECT_EQ(Items(dialog), "Default*,Heading,Inkjet,Laser");
        EXPECT_EQ(CDialogDriver::ItemText(dialog, IDC_NAMED_OBJECT_DESCRIPTION), "number 9");
        EXPECT_TRUE(Enabled(dialog, IDC_NAMED_OBJECT_RENAME));

        CTestNamedKind::Script(CTestNamedKind::Unchanged, 7);
        Press(dialog, IDC_NAMED_OBJECT_DUPLICATE);     // "laser" is taken, then "Quote"
        EXPECT_EQ(Items(dialog), "Default*,Heading,Inkjet,Laser,Quote");

        Select(dialog, "Laser");
        CTestNamedKind::Script(4, 12);
        Press(dialog, IDC_NAMED_OBJECT_UPDATE);
        EXPECT_EQ(CDialogDriver::ItemText(dialog, IDC_NAMED_OBJECT_DESCRIPTION), "number 4");

        Press(dialog, IDC_NAMED_OBJECT_RENAME);        // only the case changes
        Select(dialog, "Inkjet");
        Press(dialog, IDC_NAMED_OBJECT_RENAME);        // "Quote" is taken, then Cancel
        Select(dialog, "Quote");
        Press(dialog, IDC_NAMED_OBJECT_DELETE);
        EXPECT_EQ(Items(dialog), "Default*,Heading,Inkjet,LASER");
        EXPECT_EQ(CDialogDriver::ItemText(dialog, IDC_NAMED_OBJECT_COUNT), "4 text styles");
        CDialogDriver::Click(dialog, IDOK);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(Stored("Heading"), "n9/-1");
    EXPECT_EQ(Stored("Quote"), "-");
    EXPECT_EQ(Stored("Laser"), "-");
    EXPECT_EQ(Stored("LASER"), "n4/12");
    EXPECT_EQ(Stored("Inkjet"), "n3/3");
    EXPECT_EQ(Stored("Default"), "n1/1");
    EXPECT_EQ(m_texts.GetCount(), 4);

    ASSERT_EQ(m_entryTitles.size(), 6u);
    EXPECT_EQ(m_entryTitles[0], "New Text Style | Enter a name for the new text style: | New text style");
    EXPECT_EQ(m_entryTitles[1], "Duplicate Text Style | Enter a name for the new text style: | Duplicate of Heading");
    EXPECT_EQ(m_entryTitles[2], "Duplicate Text Style | Enter a name for the new text style: | laser");
    EXPECT_EQ(m_entryTitles[3],
              "Rename Text Style | Enter the new name for the text style currently named 'Laser': | Laser");
    ASSERT_EQ(m_messages.size(), 2u);
    EXPECT_EQ(m_messages[0], "There is already a text style with the name 'laser'.\n\nPlease choose a different name.");
    EXPECT_EQ(m_messages[1], "There is already a text style with the name 'Quote'. \n\nPlease choose a different name.");
    ASSERT_EQ(CTestNamedKind::s_titles.size(), 1u);
    EXPECT_EQ(CTestNamedKind::s_titles[0], " 'Laser' Text Style Properties");
}

TEST_F(NamedObjectListDlgTest, CancelDiscardsEveryChange)
{
    m_names = {"Heading", "Renamed"};
    BOOL ok = Run([&](HWND dialog) {
        CTestNamedKind::Script(9);
        Press(dialog, IDC_NAMED_OBJECT_NEW);
        Select(dialog, "Laser");
        Press(dialog, IDC_NAMED_OBJECT_RENAME);
        Select(dialog, "Inkjet");
        Press(dialog, IDC_NAMED_OBJECT_DELETE);
        EXPECT_EQ(Items(dialog), "Default*,Heading,Renamed");
        CDialogDriver::Click(dialog, IDCANCEL);
    }, IDD_NAMED_OBJECT_LIST_PLAIN);
    EXPECT_FALSE(ok);
    EXPECT_EQ(m_texts.GetCount(), 3);
    EXPECT_EQ(Stored("Laser"), "n2/2");
    EXPECT_EQ(Stored("Inkjet"), "n3/3");
    EXPECT_EQ(Stored("Heading"), "-");
}

TEST_F(NamedObjectListDlgTest, LimitsAndFlagsDisableTheirCommands)
{
    Run([&](HWND dialog) {
        EXPECT_TRUE(Enabled(dialog, IDC_NAMED_OBJECT_NEW));
        CDialogDriver::Click(dialog, IDCANCEL);
    });
    CNamedObjectListDlg dialog(IDD_NAMED_OBJECT_LIST, NULL);
    dialog.m_kindName = "Text Style";
    dialog.m_kindNamePlural = "Text Styles";
    dialog.m_workingObject = &m_object;
    dialog.m_maximumCount = 3;
    dialog.m_readOnly = TRUE;
    dialog.m_noCopyOrEdit = TRUE;
    CDialogDriver driver([&](HWND window) {
        Select(window, "Laser");
        EXPECT_EQ(Items(window), "Default*,Inkjet*,Laser*");
        for (int id : {IDC_NAMED_OBJECT_NEW, IDC_NAMED_OBJECT_DUPLICATE, IDC_NAMED_OBJECT_UPDATE,
                       IDC_NAMED_OBJECT_RENAME, IDC_NAMED_OBJECT_DELETE})
            EXPECT_FALSE(Enabled(window, id)) << id;
        Press(window, IDC_NAMED_OBJECT_DELETE);  // a disabled command does nothing
        EXPECT_EQ(Items(window), "Default*,Inkjet*,Laser*");
        CDialogDriver::Click(window, IDOK);
    });
    EXPECT_TRUE(EditNamedObjectList(dialog, &m_texts, &m_tags));
}
