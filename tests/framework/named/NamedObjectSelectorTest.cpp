#include "framework/named/NamedObjectSelector.h"

#include "afx/dialogs/DataExchange.h"
#include "afx/core/UserException.h"
#include "support/DialogTemplate.h"
#include "foundation/terminology/TermsMap.h"
#include "framework/controls/MyToolTipCtrl.h"
#include "framework/named/TestNamedKind.h"
#include "support/MessageBoxAnswerer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{
    const char kind[] = "Text Style";
    enum { IDC_COMBO = 300, IDC_COMBO_BUTTON = 301, IDC_LIST = 302, IDC_LIST_BUTTON = 303, IDC_DROPLIST = 304 };
    // The fields: a combo box that takes typed names (its items kept by the
    // control itself), and a drop-down list and a list box that keep their
    // items as records with the tags as extra values.
    enum Field { COMBO, DROPLIST, LIST };

    int AddEntry(LPCTSTR name, CWnd*, CMapStringToString* textMap, CNamedObjectTagMap* valueMap, DefaultTextFn,
                 int, int)
    {
        textMap->SetAt(name, "n2");
        valueMap->SetAt(name, 6);
        return 1;
    }

    // The texts of the message boxes shown (the answerer also sees the test
    // dialog come back to the front, with no text).
    std::vector<std::string> Shown(const CMessageBoxAnswerer& answerer)
    {
        std::vector<std::string> texts;
        for (const std::string& text : answerer.Texts())
        {
            if (!text.empty())
                texts.push_back(text);
        }
        return texts;
    }

    class CCountingSelector : public CNamedObjectSelector
    {
    public:
        void OnObjectsChanged() override { ++changes; }
        int changes = 0;
    };

    class NamedObjectSelectorTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            CDialogTemplate form(L"Selector", WS_POPUP | WS_CAPTION, 220, 170);
            form.Add(CDialogTemplate::COMBOBOX, L"", IDC_COMBO, CBS_DROPDOWN | CBS_SORT | WS_VSCROLL | WS_TABSTOP, 5,
                     5, 120, 80)
                .Add(CDialogTemplate::BUTTON, L"...", IDC_COMBO_BUTTON, BS_PUSHBUTTON, 130, 40, 20, 30)
                .Add(CDialogTemplate::LISTBOX, L"", IDC_LIST,
                     LBS_NOTIFY | LBS_SORT | LBS_OWNERDRAWVARIABLE | WS_VSCROLL | WS_BORDER, 5, 60, 120, 60)
                .Add(CDialogTemplate::BUTTON, L"...", IDC_LIST_BUTTON, BS_PUSHBUTTON, 130, 60, 20, 14)
                .Add(CDialogTemplate::COMBOBOX, L"", IDC_DROPLIST, CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL, 5, 130,
                     120, 80);
            ASSERT_TRUE(m_dialog.CreateIndirect(form.Get()));
            m_texts.SetAt("Body", "n1");
            m_texts.SetAt("Heading", "n3");
            m_texts.SetAt("Caption", "n4");
            m_tags.SetAt("Body", 1);
            m_tags.SetAt("Heading", 3);
            m_tags.SetAt("Caption", 4);
            m_fixed.Add("Body");
        }
        void TearDown() override { m_dialog.DestroyWindow(); }

        // One exchange of a field; FALSE when it failed. The combo box keeps
        // its own items, so that names can be typed.
        bool Exchange(BOOL save, CString& name, DWORD flags = 0, Field field = COMBO, AddNamedObjectFn add = AddEntry)
        {
            static const int ids[] = {IDC_COMBO, IDC_DROPLIST, IDC_LIST};
            static const int buttons[] = {IDC_COMBO_BUTTON, 0, IDC_LIST_BUTTON};
            CDataExchange dx(&m_dialog, save);
            dx.m_pToolTip = m_toolTip.get();
            try
            {
                Selector(field).Exchange(RUNTIME_CLASS(CTestNamedKind), m_fixed, &dx, ids[field], buttons[field],
                                         name, kind, "The style of the ~SelectorTestWord~.", add, TRUE, &m_texts,
                                         &m_tags, NULL, 0, 0, field == COMBO ? flags | SELECTOR_NO_OWN_RECORDS : flags);
            }
            catch (CUserException* e)
            {
                e->Delete();
                return false;
            }
            return true;
        }
        CCountingSelector& Selector(Field field)
        {
            return field == COMBO ? m_selector : field == DROPLIST ? m_dropListSelector : m_listSelector;
        }
        // The items of a field with own records: "text=extra value" in order.
        std::string Items(Field field)
        {
            CCountingSelector& selector = Selector(field);
            std::string items;
            int count = field == LIST ? selector.m_list.GetCount() : selector.m_combo.GetCount();
            for (int i = 0; i < count; i++)
            {
                CString text;
                int extra;
                if (field == LIST)
                {
                    selector.m_list.GetText(i, text);
                    extra = selector.m_list.GetExtraValue(i);
                }
                else
                {
                    selector.m_combo.GetLBText(i, text);
                    extra = selector.m_combo.GetExtraValue(i);
                }
                items += std::string(text) + "=" + std::to_string(extra) + ";";
            }
            return items;
        }
        void UseToolTip()
        {
            m_toolTip = std::make_unique<CMyToolTipCtrl>();
            m_toolTip->m_parent = &m_dialog;
        }
        int Count(int id, UINT message) { return (int)m_dialog.SendDlgItemMessage(id, message, 0, 0); }
        // Presses a properties button; the id of the change message that
        // reached the dialog, or 0.
        int Press(int buttonId)
        {
            m_dialog.SendMessage(WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                                 (LPARAM)::GetDlgItem(m_dialog.m_hWnd, buttonId));
            MSG msg;
            int posted = 0;
            while (::PeekMessageA(&msg, m_dialog.m_hWnd, WM_NAMED_OBJECTS_CHANGED, WM_NAMED_OBJECTS_CHANGED,
                                  PM_REMOVE))
                posted = (int)msg.wParam;
            return posted;
        }

        CDialog m_dialog;
        std::unique_ptr<CMyToolTipCtrl> m_toolTip;
        CCountingSelector m_selector;
        CCountingSelector m_listSelector;
        CCountingSelector m_dropListSelector;
        CMapStringToString m_texts;
        CNamedObjectTagMap m_tags;
        CStringArray m_fixed;
    };
}

TEST_F(NamedObjectSelectorTest, FirstLoadingBindsFillsAndPlacesTheButton)
{
    CString name = "Heading";
    ASSERT_TRUE(Exchange(FALSE, name));
    EXPECT_TRUE(m_selector.m_comboMode);
    ASSERT_EQ(Count(IDC_COMBO, CB_GETCOUNT), 3);
    EXPECT_EQ(m_selector.GetSelectedName(), "Heading");
    EXPECT_EQ(Count(IDC_COMBO, CB_GETCURSEL), 2);

    CRect combo, button;
    ::GetWindowRect(::GetDlgItem(m_dialog.m_hWnd, IDC_COMBO), &combo);
    ::GetWindowRect(::GetDlgItem(m_dialog.m_hWnd, IDC_COMBO_BUTTON), &button);
    EXPECT_EQ(button.top, combo.top);
    EXPECT_EQ(button.Height(), combo.Height());
    EXPECT_TRUE(m_selector.m_propertiesButton.IsKindOf(RUNTIME_CLASS(CMyButton)));
    EXPECT_EQ(m_selector.m_propertiesButton.GetStyle() & BS_TYPEMASK, (DWORD)BS_OWNERDRAW);

    CString listName = "Caption";
    ASSERT_TRUE(Exchange(FALSE, listName, 0, LIST));
    EXPECT_FALSE(m_listSelector.m_comboMode);
    EXPECT_EQ(m_listSelector.GetSelectedName(), "Caption");

    m_texts.SetAt("Footer", "n5");
    ASSERT_TRUE(Exchange(FALSE, name));
    EXPECT_EQ(Count(IDC_COMBO, CB_GETCOUNT), 3); // filled on the first exchange only
    ASSERT_NE(m_selector.m_workingObject.get(), nullptr);
    EXPECT_EQ(m_selector.m_workingObject->m_kindCode, 77);
}

TEST_F(NamedObjectSelectorTest, SavingChecksTheName)
{
    CString name;
    ASSERT_TRUE(Exchange(FALSE, name));
    CMessageBoxAnswerer answerer(IDNO);
    EXPECT_FALSE(Exchange(TRUE, name));
    EXPECT_EQ(Shown(answerer).back(), "You need to enter or select a text style here. ");
    EXPECT_TRUE(Exchange(TRUE, name, SELECTOR_EMPTY_ALLOWED));
    EXPECT_EQ(name, "");
    EXPECT_EQ(Shown(answerer).size(), 1u);

    m_dialog.SetDlgItemText(IDC_COMBO, "Quote");
    EXPECT_FALSE(Exchange(TRUE, name));
    EXPECT_EQ(Shown(answerer).back(), "The text style 'Quote' is not known.\n\nDid you mean to add a text style?");
    EXPECT_TRUE(Exchange(TRUE, name, SELECTOR_NO_NAME_CHECK));
    EXPECT_EQ(name, "Quote");
    EXPECT_EQ(Shown(answerer).size(), 2u);

    answerer.SetAnswer(IDYES);
    EXPECT_TRUE(Exchange(TRUE, name));
    EXPECT_EQ(Count(IDC_COMBO, CB_GETCOUNT), 4); // filled again after adding
    m_dialog.SetDlgItemText(IDC_COMBO, "caption");
    EXPECT_TRUE(Exchange(TRUE, name));
    EXPECT_EQ(Shown(answerer).size(), 3u);
}

TEST_F(NamedObjectSelectorTest, ThePropertiesButtonEditsOrAddsAndTellsTheDialog)
{
    CString name = "Heading";
    ASSERT_TRUE(Exchange(FALSE, name));
    CMessageBoxAnswerer answerer(IDYES);

    CTestNamedKind::Script(8);
    EXPECT_EQ(Press(IDC_COMBO_BUTTON), IDC_COMBO_BUTTON);
    CString text;
    m_texts.Lookup("Heading", text);
    EXPECT_EQ(text, "n8");
    EXPECT_EQ(m_selector.changes, 1);

    CTestNamedKind::Script(-1);
    EXPECT_EQ(Press(IDC_COMBO_BUTTON), 0); // Cancel in the properties dialog

    m_dialog.SetDlgItemText(IDC_COMBO, "Quote");
    m_dialog.SendDlgItemMessage(IDC_COMBO, CB_SETCURSEL, (WPARAM)-1, 0);
    m_dialog.SetDlgItemText(IDC_COMBO, "Quote");
    EXPECT_EQ(Press(IDC_COMBO_BUTTON), IDC_COMBO_BUTTON);
    EXPECT_TRUE(m_texts.Lookup("Quote", text));
    EXPECT_EQ(m_selector.changes, 2);

    m_dialog.SetDlgItemText(IDC_COMBO, "");
    EXPECT_EQ(Press(IDC_COMBO_BUTTON), 0);   // nothing selected: a beep
    m_dialog.SendDlgItemMessage(IDC_COMBO, CB_SETCURSEL, 0, 0);
    EXPECT_EQ(Press(IDC_COMBO_BUTTON), 0);   // "Body" is fixed
    EXPECT_EQ(Shown(answerer).back(), "Sorry, this text style is fixed and may not be edited.");

    m_selector.EnableWindow(FALSE);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(m_dialog.m_hWnd, IDC_COMBO)));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(m_dialog.m_hWnd, IDC_COMBO_BUTTON)));
}

// Fields that keep records show the store's names, each with its tag as the
// item's extra value; loading a name that is not there falls back to the
// first item unless an empty name is allowed; names are trimmed.
TEST_F(NamedObjectSelectorTest, RecordFieldsHoldTheNamesWithTheirTags)
{
    CString unknown = "Footer";
    ASSERT_TRUE(Exchange(FALSE, unknown, SELECTOR_EMPTY_ALLOWED, DROPLIST));
    EXPECT_EQ(m_dropListSelector.GetSelectedName(), "");
    ASSERT_TRUE(Exchange(TRUE, unknown, SELECTOR_EMPTY_ALLOWED, DROPLIST));
    EXPECT_EQ(unknown, "");

    for (Field field : {DROPLIST, LIST})
    {
        SCOPED_TRACE(field);
        CString name = "  Heading ";
        ASSERT_TRUE(Exchange(FALSE, name, 0, field));
        CCountingSelector& selector = Selector(field);
        EXPECT_EQ(field == DROPLIST, selector.m_comboMode);
        EXPECT_TRUE(field == LIST ? selector.m_list.HasOwnRecords() : selector.m_combo.HasOwnRecords());
        EXPECT_EQ(Items(field), "Body=1;Caption=4;Heading=3;");
        EXPECT_EQ(selector.GetSelectedName(), "Heading");
        ASSERT_TRUE(Exchange(TRUE, name, 0, field));
        EXPECT_EQ(name, "Heading");

        name = "Footer";
        ASSERT_TRUE(Exchange(FALSE, name, 0, field));
        EXPECT_EQ(selector.GetSelectedName(), "Body");
    }
}

// A name added while saving goes into the list the same way as the first
// fill, with its tag.
TEST_F(NamedObjectSelectorTest, AnAddedNameRefillsTheRecordList)
{
    CString name = "Body";
    ASSERT_TRUE(Exchange(FALSE, name, 0, LIST));
    CMessageBoxAnswerer answerer(IDYES);
    CDataExchange dx(&m_dialog, TRUE);
    EXPECT_TRUE(CheckNamedObjectName("Quote", &dx, IDC_LIST, kind, AddEntry, &m_texts, &m_tags, NULL, 0, 0));
    EXPECT_EQ(Items(LIST), "Body=1;Caption=4;Heading=3;Quote=6;");
}

// With the dialog's tooltip control: hovering a field shows the first line
// of its tip, context help the whole of it, tokens expanded; the properties
// button tells what it does.
TEST_F(NamedObjectSelectorTest, TipsGoThroughTheDialogsToolTip)
{
    SetTerm("SelectorTestWord", "heading", FALSE);
    UseToolTip();
    CString name = "Body";
    for (Field field : {COMBO, LIST})
        ASSERT_TRUE(Exchange(FALSE, name, 0, field));
    const CString comboTip = m_toolTip->GetTipText(&m_selector.m_combo);
    EXPECT_EQ(comboTip, "The style of the heading.\r\n\r\nTo select a different text style, click the arrow at the "
                        "right hand side.");
    EXPECT_EQ(CMyToolTipCtrl::FirstLine(comboTip), "The style of the heading.");
    EXPECT_EQ(m_toolTip->GetTipText(&m_listSelector.m_list), "The style of the heading.");
    EXPECT_EQ(m_toolTip->GetTipText(&m_selector.m_propertiesButton),
              "Click here to view/update the properties of the selected text style.");
    ASSERT_TRUE(Exchange(FALSE, name)); // a later exchange adds nothing
    EXPECT_EQ(m_toolTip->GetTipText(&m_selector.m_combo), comboTip);
}
