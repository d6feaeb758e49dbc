#include "framework/named/NamedObjectStore.h"

#include "afx/dialogs/DataExchange.h"
#include "afx/core/UserException.h"
#include "framework/controls/MyComboBox.h"
#include "framework/named/TestNamedKind.h"
#include "support/MessageBoxAnswerer.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace
{
    const char kind[] = "Printer/Paper Configuration";

    CString DefaultText(LPCTSTR name, int parameter1, int parameter2)
    {
        CString text;
        text.Format("n%d", parameter1 * 10 + parameter2);
        return text;
    }

    int s_addCalls = 0;
    int AddEntry(LPCTSTR name, CWnd* parent, CMapStringToString* textMap, CNamedObjectTagMap* valueMap,
                 DefaultTextFn defaultText, int parameter1, int parameter2)
    {
        ++s_addCalls;
        textMap->SetAt(name, "n1");
        valueMap->SetAt(name, 9);
        return 1;
    }
    int RefuseEntry(LPCTSTR, CWnd*, CMapStringToString*, CNamedObjectTagMap*, DefaultTextFn, int, int)
    {
        ++s_addCalls;
        return 0;
    }

    class NamedObjectStoreTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            s_addCalls = 0;
            m_texts.SetAt("Default", "n1");
            m_tags.SetAt("Default", 3);
            m_texts.SetAt("Empty", "");
            m_tags.SetAt("Empty", 4);
            m_texts.SetAt("Broken", "x");
            m_fixed.Add("Standard");
        }

        BOOL Edit(LPCTSTR name, DefaultTextFn defaultText = DefaultText)
        {
            return EditNamedObject(m_fixed, name, NULL, kind, &m_object, &m_texts, &m_tags, defaultText, 1, 2);
        }
        CString Text(LPCTSTR name)
        {
            CString text;
            m_texts.Lookup(name, text);
            return text;
        }
        DWORD Tag(LPCTSTR name)
        {
            DWORD tag = 0;
            m_tags.Lookup(name, tag);
            return tag;
        }

        CTestNamedKind m_object;
        CMapStringToString m_texts;
        CNamedObjectTagMap m_tags;
        CStringArray m_fixed;
    };
}

TEST_F(NamedObjectStoreTest, BaseTextsOfTheProperties)
{
    EXPECT_EQ(m_object.GetPropertiesTip(kind, 0),
              "Click here to view/update the properties of the selected printer/paper configuration.");
    EXPECT_EQ(m_object.GetPropertiesTip("", 1), "Click here to view/update the properties of the selected .");
    EXPECT_EQ(m_object.GetPropertiesTitle(kind, 0), "Printer/Paper Configuration Properties");
    EXPECT_EQ(m_object.m_kindCode, 77);
}

TEST_F(NamedObjectStoreTest, FixedNamesAreNeverEditedWhateverTheirCase)
{
    m_texts.SetAt("Standard", "n1");
    CTestNamedKind::Script(8);
    CMessageBoxAnswerer answerer(IDOK);
    EXPECT_FALSE(Edit("STANDARD"));
    EXPECT_EQ(answerer.LastText(), "Sorry, this printer/paper configuration is fixed and may not be edited.");
    EXPECT_TRUE(CTestNamedKind::s_titles.empty());
    EXPECT_EQ(Text("Standard"), "n1");
}

TEST_F(NamedObjectStoreTest, EditingLoadsTheStoredOrDefaultTextAndWritesBackOnlyChanges)
{
    struct Case
    {
        const char* name;
        bool withDefault;
        int number, tag;     // what the properties dialog answers
        BOOL changed;
        const char* loaded;  // the text the working object was given
        const char* stored;  // the text afterwards under the stored key
        DWORD storedTag;
    } cases[] = {
        {"Default", true, 7, CTestNamedKind::Unchanged, TRUE, "n1", "n7", 3},
        {"default", true, 7, CTestNamedKind::Unchanged, TRUE, "n1", "n7", 3},  // case-blind look-up
        {"Default", true, CTestNamedKind::Unchanged, CTestNamedKind::Unchanged, FALSE, "n1", "n1", 3},
        {"Default", true, CTestNamedKind::Unchanged, 11, TRUE, "n1", "n1", 11},  // only the tag
        {"Default", true, -1, 11, FALSE, "n1", "n1", 3},                        // Cancel
        {"Empty", true, 7, CTestNamedKind::Unchanged, TRUE, "n12", "n7", 4},
        {"Empty", false, -1, 0, FALSE, "", "", 4},
        {"Broken", true, 7, 0, FALSE, "x", "x", 0},                              // unreadable: beep only
    };
    for (const Case& c : cases)
    {
        SetUp();
        CTestNamedKind::Script(c.number, c.tag);
        CMessageBoxAnswerer answerer(IDOK);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Edit(c.name, c.withDefault ? DefaultText : NULL), c.changed);
        ASSERT_EQ(CTestNamedKind::s_loaded.size(), 1u);
        EXPECT_EQ(CTestNamedKind::s_loaded[0], c.loaded);
        CString key;
        ASSERT_TRUE(FindNamedObjectKey(m_texts, c.name, &key));
        EXPECT_EQ(Text(key), c.stored);
        EXPECT_EQ(Tag(key), c.storedTag);
        EXPECT_EQ(m_texts.GetCount(), 3);
        EXPECT_EQ(answerer.Count(), 0);
    }
}

TEST_F(NamedObjectStoreTest, ThePropertiesTitleQuotesTheStoredName)
{
    CTestNamedKind::Script(-1);
    Edit("default");
    ASSERT_EQ(CTestNamedKind::s_titles.size(), 1u);
    EXPECT_EQ(CTestNamedKind::s_titles[0], "'Default' Printer/Paper Configuration Properties");
}

TEST_F(NamedObjectStoreTest, OfferingToAddAsksOnlyForUnknownNames)
{
    CMessageBoxAnswerer answerer(IDYES);
    EXPECT_FALSE(OfferToAddNamedObject("DEFAULT", NULL, kind, AddEntry, &m_texts, &m_tags, NULL, 0, 0));
    EXPECT_EQ(answerer.Count(), 0);

    EXPECT_TRUE(OfferToAddNamedObject("Laser", NULL, kind, AddEntry, &m_texts, &m_tags, NULL, 0, 0));
    EXPECT_EQ(answerer.LastText(), "The printer/paper configuration 'Laser' is not known.\n\n"
                                   "Did you mean to add a printer/paper configuration?");
    EXPECT_EQ(Text("Laser"), "n1");
    EXPECT_FALSE(OfferToAddNamedObject("Inkjet", NULL, kind, RefuseEntry, &m_texts, &m_tags, NULL, 0, 0));

    answerer.SetAnswer(IDNO);
    EXPECT_FALSE(OfferToAddNamedObject("Other", NULL, kind, AddEntry, &m_texts, &m_tags, NULL, 0, 0));
    EXPECT_EQ(s_addCalls, 2);
    EXPECT_EQ(answerer.Count(), 3);
}

TEST_F(NamedObjectStoreTest, CheckingANameWhileSavingFailsTheFieldUnlessTheNameIsAdded)
{
    CTestWindow window;
    HWND combo = window.AddControl("COMBOBOX", "", CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | WS_VSCROLL,
                                   300, 0, 0, 100, 120);
    CMyComboBox records; // the framework's combo box that keeps records
    records.SetOwnRecords(TRUE);
    ASSERT_TRUE(records.SubclassWindow(combo));
    HWND other = window.AddControl("BUTTON", "", BS_PUSHBUTTON, 301);
    auto check = [&](LPCTSTR name, AddNamedObjectFn add, BOOL* added) {
        CDataExchange dx(window.Wnd(), TRUE);
        try
        {
            *added = CheckNamedObjectName(name, &dx, 300, kind, add, &m_texts, &m_tags, NULL, 0, 0);
        }
        catch (CUserException* e)
        {
            e->Delete();
            return false;
        }
        return true;
    };
    BOOL added = FALSE;
    CMessageBoxAnswerer answerer(IDNO);
    EXPECT_TRUE(check("empty", AddEntry, &added));
    EXPECT_FALSE(added);
    EXPECT_EQ(answerer.Count(), 0);

    ::SetFocus(other);
    EXPECT_FALSE(check("Laser", AddEntry, &added));
    EXPECT_TRUE(::GetFocus() == combo || ::IsChild(combo, ::GetFocus()));
    answerer.SetAnswer(IDYES);
    EXPECT_FALSE(check("Laser", RefuseEntry, &added));

    ASSERT_TRUE(check("Laser", AddEntry, &added));
    EXPECT_TRUE(added);
    // Filled again from the store (in the map's order): each name with its
    // tag as extra value; "Broken" has none.
    std::map<std::string, int> items;
    for (int i = 0; i < records.GetCount(); i++)
    {
        CString text;
        records.GetLBText(i, text);
        items[(LPCTSTR)text] = records.GetExtraValue(i);
    }
    EXPECT_EQ(items, (std::map<std::string, int>{{"Broken", -1}, {"Default", 3}, {"Empty", 4}, {"Laser", 9}}));
    records.UnsubclassWindow();
}
