// Options and choices of the genotype selection elements, read through the
// configuration parser.
#include "application/selection/GenSelAssumedAlleles.h"
#include "application/selection/GenSelButton.h"
#include "application/selection/GenSelGenes.h"
#include "application/selection/GenSelMenu.h"
#include "application/selection/GenSelTab.h"
#include "framework/menus/MyMenu.h"
#include "genetics/ConfigurationReading.h"
#include "genetics/ExpandTerms.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsSection.h"
#include "support/WindowScreenshot.h"

#include <gtest/gtest.h>
#include <string.h>

#define EXPECT_TEXT(actual, expected) EXPECT_STREQ((LPCTSTR)(actual), (expected))
#define ASSERT_TEXT_EMPTY(actual) ASSERT_STREQ((LPCTSTR)(actual), "")
#define ELEMENT(T) ((T*)CheckedElement(RUNTIME_CLASS(T)))

namespace
{
const char GenesLines[] = "[genes Main]\n"
                          "gene B B, b\n"
                          "gene D D, d\n"
                          "gene Xo Xo, xo\n"
                          "polygene Height places=1 ranges=0,Short,10,Tall,20\n"
                          "X-link Xo\n";

class SelectionElements : public ::testing::Test
{
protected:
    // Reads the genes section followed by one "selectgenotype" line. The text
    // goes through the loader's own line splitting and numbering, so the
    // statement stands on line 7 of the file whatever ends the text.
    CString Read(const char* line)
    {
        CString error = ReadText(CString(GenesLines) + line + "\r\n");
        EXPECT_EQ(m_lineCount, 7);
        return error;
    }

    CString ReadText(const CString& text)
    {
        CStringArray lines;
        SplitConfigText(text, lines);
        m_lineCount = (int)lines.GetSize();
        EnsureDefaultTerms();
        return m_config.Read(lines);
    }

    CObject* CheckedElement(CRuntimeClass* runtimeClass)
    {
        CGeneticsSection* section = m_config.GetSection(m_config.GetSectionCount() - 1);
        EXPECT_EQ(section->m_selectionElements.GetSize(), 1);
        CObject* element = section->m_selectionElements[0];
        EXPECT_TRUE(element->IsKindOf(runtimeClass));
        return element;
    }

    CGeneticsConfig m_config;
    int m_lineCount = 0;
};
} // namespace

TEST_F(SelectionElements, TabAndItemOptions)
{
    EXPECT_TEXT(Read("selectgenotype tab label=\"Coat ~Colour~\" group=Main"), "");
    CGenSelTab* tab = ELEMENT(CGenSelTab);
    // The label's terminology token is expanded when it is read.
    EXPECT_TEXT(tab->m_strLabel, ExpandTerms("Coat ~Colour~"));
    EXPECT_TRUE(tab->m_strLabel.Find('~') < 0);
    EXPECT_TEXT(tab->m_strGroup, "Main");

    EXPECT_TEXT(Read("selectgenotype assumedalleles flags=acdenvxXy help=\"Some help\" GROUP=Extra"), "");
    CGenSelAssumedAlleles* item = ELEMENT(CGenSelAssumedAlleles);
    EXPECT_EQ(item->m_nStyle, 0x1u | 0x2 | 0x40 | 0x20 | 0x8 | 0x4000 | 0x800000 | GENSEL_STYLE_GROUP);
    EXPECT_TEXT(item->m_strHelp, "Some help");
    EXPECT_TEXT(item->m_strGroup, "Extra");
    EXPECT_TRUE(item->AppliesTo(NULL, SEX_MALE));

    CGenSelAssumedAlleles* copy = (CGenSelAssumedAlleles*)item->Clone();
    EXPECT_EQ(copy->m_nStyle, item->m_nStyle);
    EXPECT_TEXT(copy->m_strHelp, "Some help");
    delete copy;

    EXPECT_TEXT(Read("selectgenotype phenotype flags=Mz"),
                "line 7, error in 'selectgenotype' line: unknown flag characters: 'Mz'");
    EXPECT_TEXT(Read("selectgenotype genotype label=Here"),
                "line 7, error in 'selectgenotype' line: unknown option(s): 'label=Here'");
    EXPECT_TEXT(Read("selectgenotype tab justaword"),
                "line 7, error in 'selectgenotype' line: unknown option(s): 'justaword'");
}

TEST_F(SelectionElements, GenesPresentations)
{
    EXPECT_TEXT(Read("selectgenotype genes label=Brown choices=Black:B,B|Brown*:b,b"), "");
    CGenSelGenes* radio = ELEMENT(CGenSelGenes);
    EXPECT_TRUE(radio->IsRadio());
    EXPECT_EQ(radio->m_nDefaultChoice, 1);
    EXPECT_TEXT(radio->m_strLabel, "Brown");
    EXPECT_EQ(radio->m_choices[1][0].GetPairs()[0].m_nAllele1, 2u);

    EXPECT_TEXT(Read("selectgenotype genes choices=B,B|b,b flags=u"), "");
    CGenSelGenes* check = ELEMENT(CGenSelGenes);
    EXPECT_TRUE(check->IsCheckBox());
    ASSERT_EQ(check->m_choiceNames.GetSize(), 3);
    EXPECT_TEXT(check->m_choiceNames[2], "Assumed");
    EXPECT_EQ(check->m_nAssumedChoice, 2);
    EXPECT_EQ(check->m_choices[2][0].GetCount(), 0);

    EXPECT_TEXT(Read("selectgenotype genes choices=A:B,B|C*:b,b|D:B,b flags=uo"), "");
    CGenSelGenes* list = ELEMENT(CGenSelGenes);
    EXPECT_TRUE(list->IsList());
    ASSERT_EQ(list->m_choiceNames.GetSize(), 5);
    EXPECT_TEXT(list->m_choiceNames[0], "Assumed");
    EXPECT_TEXT(list->m_choiceNames[4], "Other Value:");
    EXPECT_EQ(list->m_nAssumedChoice, 0);
    EXPECT_EQ(list->m_nDefaultChoice, 2);

    EXPECT_TEXT(Read("selectgenotype genes choices=A:B,B|B:b,b flags=R"), "");
    EXPECT_TRUE(ELEMENT(CGenSelGenes)->IsRadio());
    EXPECT_EQ(ELEMENT(CGenSelGenes)->m_nStyle, 0x800u);
    EXPECT_TEXT(Read("selectgenotype genes choices=A:B,B|B:b,b flags=l"), "");
    EXPECT_TRUE(ELEMENT(CGenSelGenes)->IsList());
}

TEST_F(SelectionElements, GenesNamesSortingAndSexFlags)
{
    EXPECT_TEXT(Read("selectgenotype genes choices=\"Zed:B,B|alpha*:b,b;b,B|Mid:Xo,xo\" flags=sgF"), "");
    CGenSelGenes* genes = ELEMENT(CGenSelGenes);
    ASSERT_EQ(genes->m_choiceNames.GetSize(), 3);
    EXPECT_TEXT(genes->m_choiceNames[0], "alpha (bb)");
    EXPECT_TEXT(genes->m_choiceNames[1], "Mid (Xoxo)");
    EXPECT_TEXT(genes->m_choiceNames[2], "Zed (BB)");
    EXPECT_EQ(genes->m_nDefaultChoice, 0);
    EXPECT_EQ(genes->m_choices[0].size(), 2u);
    EXPECT_FALSE(genes->AppliesTo(NULL, SEX_MALE));
    EXPECT_TRUE(genes->AppliesTo(NULL, SEX_FEMALE));

    // Without f, m, F or M the genotype in the name shows "!".
    EXPECT_TEXT(Read("selectgenotype genes choices=\"One:Xo|Two:xo|Three:Xo,xo\" flags=g"), "");
    EXPECT_TEXT(ELEMENT(CGenSelGenes)->m_choiceNames[0], "One (Xo!)");

    CGenSelGenes* copy = (CGenSelGenes*)ELEMENT(CGenSelGenes)->Clone();
    EXPECT_EQ(copy->m_choices.size(), 3u);
    EXPECT_TEXT(copy->m_choiceNames[1], "Two (xo!)");
    delete copy;
}

TEST_F(SelectionElements, GenesMessages)
{
    const struct
    {
        const char* line;
        const char* error;
    } cases[] = {
        {"selectgenotype genes choices=A*:B,B|C*:b,b", "default choice multiply defined"},
        {"selectgenotype genes choices=A:B,B|a:b,b", "duplicate choice 'a' seen"},
        {"selectgenotype genes choices=A:B,B|C:", "missing alleles for choice #2"},
        {"selectgenotype genes choices=A:B,B|C:B,q", "unknown allele or range symbol 'q'"},
        {"selectgenotype genes choices=A:B,B", "at least 2 choices are required"},
        {"selectgenotype genes", "at least 2 choices are required"},
        {"selectgenotype genes choices=Assumed:B,B|C:b,b flags=u",
         "when 'u' flag given, you may not explicitly add an 'assumed' choice"},
        {"selectgenotype genes choices=A:B,B|C:b,b flags=k", "unknown flag characters: 'k'"},
    };
    for (const auto& c : cases)
        EXPECT_TEXT(Read(c.line), CString("line 7, error in 'selectgenotype' line: ") + c.error) << c.line;
}

TEST_F(SelectionElements, ButtonsAndMenus)
{
    EXPECT_TEXT(Read("selectgenotype button label=Set onclick=\"B,b Height=5 ~D; d,d if B,B and not D,D\""), "");
    CGenSelButton* button = ELEMENT(CGenSelButton);
    ASSERT_EQ(button->m_actions.m_actions.size(), 2u);
    EXPECT_EQ(button->m_actions.m_actions[0].m_elements.size(), 3u);
    EXPECT_TRUE(button->m_actions.m_actions[1].m_pCondition != nullptr);

    const CGeneticsSection* section = m_config.GetSection(0);
    CGenotype before;
    EXPECT_TEXT(before.Parse(section, "B,B D,D", SEX_EITHER, 0), "");
    CGenotype working(before);
    button->m_actions.Run(section, before, working);
    EXPECT_TEXT(working.Format(section, 0), "Bb Short");
    before.RemoveGene(2);
    working.Copy(before);
    button->m_actions.Run(section, before, working);
    EXPECT_TEXT(working.Format(section, 0), "Bb dd Short");

    EXPECT_TEXT(Read("selectgenotype menu label=Presets items=\"Black &Tan:B,B|Brown:b,b;~D\""), "");
    CGenSelMenu* menu = ELEMENT(CGenSelMenu);
    ASSERT_EQ(menu->m_lists.size(), 2u);
    EXPECT_TEXT(menu->m_lists[0].m_strName, "Black &Tan");
    EXPECT_EQ(menu->m_lists[1].m_actions.size(), 2u);
    EXPECT_EQ(menu->m_nStyle & GENSEL_STYLE_MENU_BUTTON, GENSEL_STYLE_MENU_BUTTON);
    CGenSelMenu* copy = (CGenSelMenu*)menu->Clone();
    EXPECT_EQ(copy->m_lists.size(), 2u);
    delete copy;
}

namespace
{
// Owns the menu of a menu button: when the menu waits for input it notes
// what the menu shows and types the keys that choose an item.
class CMenuButtonOwner : public CWnd
{
public:
    afx_msg LRESULT OnEnterIdle(WPARAM wParam, LPARAM)
    {
        HWND menuWindow = ::FindWindowA("#32768", NULL);
        if (wParam != MSGF_MENU || menuWindow == NULL || m_seen)
            return 0;
        m_seen = TRUE;
        SaveWindowScreenshot(menuWindow, "application_selection_menu");
        ::GetWindowRect(menuWindow, &m_menuRect);
        HMENU handle = (HMENU)::SendMessageA(menuWindow, MN_GETHMENU, 0, 0);
        for (int i = 0; i < ::GetMenuItemCount(handle); i++)
        {
            MENUITEMINFOA info = {sizeof info, MIIM_FTYPE};
            ::GetMenuItemInfoA(handle, i, TRUE, &info);
            m_ownerDrawn += (info.fType & MFT_OWNERDRAW) != 0;
        }
        if (CMyMenu* menu = GetMyMenu(handle))
            menu->GetItemText(0, m_firstText, MF_BYPOSITION);
        for (int i = 0; i <= m_choice; i++)
            ::PostMessageA(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
        ::PostMessageA(menuWindow, WM_KEYDOWN, m_choice < 0 ? VK_ESCAPE : VK_RETURN, 0);
        return 0;
    }
    int m_choice = -1;
    BOOL m_seen = FALSE;
    CRect m_menuRect;
    int m_ownerDrawn = 0;
    CString m_firstText;
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CMenuButtonOwner, CWnd)
ON_MESSAGE(WM_ENTERIDLE, OnEnterIdle)
END_MESSAGE_MAP()
} // namespace

TEST_F(SelectionElements, MenuButtonTracksAnOwnerDrawnMenuBesideTheButton)
{
    EXPECT_TEXT(Read("selectgenotype menu label=Presets items=\"Black &Tan:B,B|Brown:b,b;~D\""), "");
    CGenSelMenu* menu = ELEMENT(CGenSelMenu);
    const CGeneticsSection* section = m_config.GetSection(0);
    const struct
    {
        int choice;
        const char* genotype;
    } cases[] = {{-1, "BB DD"}, {0, "BB DD"}, {1, "bb"}};
    for (const auto& c : cases)
    {
        CMenuButtonOwner owner;
        owner.m_choice = c.choice;
        ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "Selection", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200,
                                   NULL, NULL));
        CButton button;
        ASSERT_TRUE(button.Create("Presets", WS_CHILD | WS_VISIBLE, CRect(20, 30, 120, 54), &owner, 1234));
        CGenotype before;
        EXPECT_TEXT(before.Parse(section, c.choice == 0 ? "B,b D,D" : "B,B D,D", SEX_EITHER, 0), "");
        CGenotype working(before);
        menu->DoAction(section, &owner, 1234, before, working);
        EXPECT_TEXT(working.Format(section, 0), c.genotype) << c.choice;
        EXPECT_TRUE(owner.m_seen);
        EXPECT_EQ(2, owner.m_ownerDrawn);
        // The ampersand is a plain one, no mnemonic.
        EXPECT_TEXT(owner.m_firstText, "Black &&Tan");
        CRect rect;
        button.GetWindowRect(&rect);
        EXPECT_EQ(rect.TopLeft() + CSize(rect.Width(), 0), owner.m_menuRect.TopLeft());
        owner.DestroyWindow();
    }
}

TEST_F(SelectionElements, ActionMessages)
{
    const struct
    {
        const char* line;
        const char* error;
    } cases[] = {
        {"selectgenotype button onclick=", "action list missing"},
        {"selectgenotype menu items=\"Black B,B\"", "colon missing in action list"},
        {"selectgenotype menu items=\" :B,B\"", "action list has no name"},
        {"selectgenotype button onclick=\"B,B if\"", "'if' clause missing"},
        {"selectgenotype button onclick=\"B,B if B,q\"", "error in 'if' clause: unknown allele or range symbol 'q'"},
        {"selectgenotype button onclick=~Q", "unknown gene 'Q' in action element"},
        {"selectgenotype button onclick=B,q", "error in action element: unknown allele or range symbol 'q'"},
    };
    for (const auto& c : cases)
        EXPECT_TEXT(Read(c.line), CString("line 7, error in 'selectgenotype' line: ") + c.error) << c.line;
    // A menu has as many items as there are command ids for them.
    for (const int count : {100, 101})
    {
        CString line = "selectgenotype menu label=Many items=\"";
        for (int i = 0; i < count; i++)
            line += i ? "|Item:B,B" : "Item:B,B";
        EXPECT_TEXT(Read(line + "\""), count == 100 ? ""
                                                   : "line 7, error in 'selectgenotype' line: too many menu items "
                                                     "(at most 100)");
    }
}

TEST_F(SelectionElements, ReaderMessagesOfTheElements)
{
    const struct
    {
        const char* line;
        const char* error;
    } cases[] = {
        {"selectgenotype slider", "line 7, unknown element type 'slider' for 'selectgenotype' line"},
        {"selectgenotype genotype flags=aq", "line 7, error in 'selectgenotype' line: unknown flag characters: 'q'"},
        {"selectgenotype tab label=Coat colour=red", "line 7, error in 'selectgenotype' line: unknown option(s): "
                                                     "'colour=red'"},
    };
    for (const auto& c : cases)
        EXPECT_TEXT(Read(c.line), c.error) << c.line;
}

TEST_F(SelectionElements, DerivedSectionHasItsOwnCopies)
{
    EXPECT_TEXT(ReadText(CString(GenesLines) + "selectgenotype tab label=Coat\n[rules Coat]\nbaseon Main\n"), "");
    const CGeneticsSection* main = m_config.GetSection(0);
    const CGeneticsSection* coat = m_config.GetSection(1);
    ASSERT_EQ(coat->m_selectionElements.GetSize(), 1);
    EXPECT_NE(coat->m_selectionElements[0], main->m_selectionElements[0]);
}

TEST_F(SelectionElements, FullTestConfiguration)
{
    EXPECT_TEXT(ReadConfigFile(m_config, KESTROVA_SOURCE_DIR "/tests/data/genetics/Full.txt"), "");
    const CGeneticsSection* dog = m_config.GetSection(0);
    EXPECT_EQ(dog->m_selectionElements.GetSize(), 7);
    const CGenSelGenes* genes = (const CGenSelGenes*)dog->m_selectionElements[1];
    ASSERT_TRUE(genes->IsKindOf(RUNTIME_CLASS(CGenSelGenes)));
    EXPECT_TEXT(genes->m_strLabel, "Brown locus");
    EXPECT_TEXT(genes->m_choiceNames[0], "Black (BB)");
    EXPECT_EQ(genes->m_nDefaultChoice, 0);
    const CGenSelMenu* menu = (const CGenSelMenu*)dog->m_selectionElements[3];
    ASSERT_TRUE(menu->IsKindOf(RUNTIME_CLASS(CGenSelMenu)));
    EXPECT_EQ(menu->m_lists.size(), 2u);
}

TEST_F(SelectionElements, EveryShippedConfigurationHasAFormWithFields)
{
    int configurations = 0;
    for (const CString& name : ShippedConfigurations())
    {
        SCOPED_TRACE((LPCTSTR)name);
        ASSERT_TEXT_EMPTY(LoadShippedConfiguration(m_config, name));
        const CGeneticsSection* rules = m_config.FindFirstRulesSection();
        ASSERT_TRUE(rules != NULL);
        EXPECT_GT(rules->m_selectionElements.GetSize(), 0);
        configurations++;
    }
    EXPECT_GE(configurations, 5);
}
