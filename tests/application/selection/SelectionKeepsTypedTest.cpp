// The genotype selection window, opened from Select... and closed with OK
// without touching anything, writes back the genotype that was typed: for
// fields of every kind and option, and for random genotypes of the shipped
// configurations. What it writes is always one the parent's box accepts.
#include "application/selection/SelectGenotypeRequest.h"
#include "SelectionTestGenes.h"
#include "foundation/terminology/TerminologySetup.h"
#include "genetics/ConfigurationReading.h"
#include "genetics/GeneDef.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsSection.h"
#include "support/DialogDriver.h"
#include "support/MessagePump.h"
#include "support/TestApp.h"
#include "support/WindowScreenshot.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <random>
#include <string.h>

namespace
{

BOOL CALLBACK AddStaticText(HWND child, LPARAM text)
{
    char name[32] = "";
    ::GetClassNameA(child, name, sizeof name);
    if (_stricmp(name, "Static") == 0)
        *(std::string*)text += CDialogDriver::WindowText(child) + "\n";
    return TRUE;
}

struct ShownTexts
{
    std::string combo, checked;
};

BOOL CALLBACK NoteShownChoice(HWND child, LPARAM texts)
{
    ShownTexts& shown = *(ShownTexts*)texts;
    char name[32] = "";
    ::GetClassNameA(child, name, sizeof name);
    if (!::IsWindowVisible(child))
        return TRUE;
    if (_stricmp(name, "ComboBox") == 0 && shown.combo.empty())
        shown.combo = CDialogDriver::WindowText(child);
    else if (_stricmp(name, "Button") == 0 && shown.checked.empty() &&
             (::GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) != BS_PUSHBUTTON &&
             ::SendMessageA(child, BM_GETCHECK, 0, 0) == BST_CHECKED)
        shown.checked = CDialogDriver::WindowText(child);
    return TRUE;
}

// The text of the window's control that shows a choice: the first combo box
// (pages of a sheet included), else the first checked radio button or check
// box; empty when none.
std::string ShownChoice(HWND window)
{
    ShownTexts shown;
    ::EnumChildWindows(window, NoteShownChoice, (LPARAM)&shown);
    return shown.combo.empty() ? shown.checked : shown.combo;
}

class SelectionKeepsTyped : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        InitProductTerms();
        InitDefaultTerms();
    }

    // Select... on the typed genotype, then OK as soon as the window is up;
    // the text written back, or "(cancelled)" when the window gave nothing.
    std::string SelectAndOk(CGeneticsSection* rules, int sex, const CString& typed, std::string* shown = NULL,
                            const char* screenshot = NULL)
    {
        CSelectGenotypeRequest request(sex, rules, rules->GetGenesSection(), NULL);
        if (!typed.IsEmpty())
        {
            EXPECT_STREQ((LPCTSTR)request.m_genotype.Parse(rules, typed, sex, 0), "") << (LPCTSTR)typed;
        }
        CDialogDriver driver([&](HWND window) {
            if (shown != NULL)
                *shown = ShownChoice(window);
            if (screenshot != NULL)
                SaveWindowScreenshot(window, screenshot);
            CDialogDriver::Click(window, IDOK);
        });
        if (request.Run() != 1)
            return "(cancelled)";
        return (LPCTSTR)request.m_genotype.Format(rules->GetGenesSection(), 0);
    }

    // The typed text as the parent's box gets it back from the program.
    static std::string AsWritten(CGeneticsSection* rules, int sex, const CString& typed)
    {
        CGenotype genotype;
        if (!typed.IsEmpty())
            genotype.Parse(rules, typed, sex, 0);
        return (LPCTSTR)genotype.Format(rules->GetGenesSection(), 0);
    }

    CTestApp app{"Kestrova Selection Tests"};
};

struct KeepCase
{
    const char* name;
    const char* lines; // selection lines after the genes
    int sex;
    const char* typed;
    const char* shown;   // the first field's choice as the window opens
    const char* written; // null: the typed genotype
};

TEST_F(SelectionKeepsTyped, UntouchedOkWritesTheTypedGenotypeForEveryKindOfField)
{
    const char* everyKind = "selectgenotype tab label=Colour group=Genes\n"
                            "selectgenotype genes label=A choices=\"Dominant:A,A|Carrier:A,a|Recessive:a,a\" flags=lu\n"
                            "selectgenotype button label=\"Set b\" onclick=\"b,b\"\n"
                            "selectgenotype menu label=\"D\" items=\"Dense:D,D|Dilute:d,d\"\n"
                            "selectgenotype genotype\nselectgenotype phenotype\nselectgenotype assumedalleles\n"
                            "selectgenotype tab label=More\n"
                            "selectgenotype genes label=B choices=\"B,B|b,b\"\n"
                            "selectgenotype genes label=H choices=\"Short:Height=5|Tall:Height=15\" flags=lo\n";
    const KeepCase cases[] = {
        {"equal empty names, radio", "selectgenotype genes label=G choices=\":A,A|:A,a|:a,a\" flags=r\n", 0, "a,a", "",
         NULL},
        {"equal empty names, male", "selectgenotype genes label=G choices=\":A,A|:A,a|:a,a\" flags=r\n", 1, "A,a", "",
         NULL},
        {"equal empty names, list", "selectgenotype genes label=G choices=\":A,A|:A,a|:a,a\" flags=l\n", 0, "A,a", "",
         NULL},
        {"equal names shown with their genotype", "selectgenotype genes label=G choices=\":A,A|:A,A;a,a\" flags=lg\n",
         0, "a,a", " (AA)", NULL},
        {"the second alternative matched",
         "selectgenotype genes label=H choices=\"Clear:XH,XH;XH|Affected:Xh,Xh;Xh\"\n", 1, "Xh", "Affected", NULL},
        {"a default of the other sex's form",
         "selectgenotype genes label=H choices=\"Clear*:XH;XH,XH|Affected:Xh;Xh,Xh\"\n", 0, "", "Clear", "XHXH"},
        {"a default of the other sex's form, male",
         "selectgenotype genes label=H choices=\"Clear*:XH;XH,XH|Affected:Xh;Xh,Xh\"\n", 1, "", "Clear", "XH"},
        {"other value without an assumed choice",
         "selectgenotype genes label=A choices=\"Carrier:A,a|Recessive:a,a|Dominant:A,A\" flags=lo\n", 0, "A,A",
         "Dominant", NULL},
        {"an unlisted pair in the other value",
         "selectgenotype genes label=A choices=\"Carrier:A,a|Recessive:a,a\" flags=lo\n", 0, "A,A",
         "Other Value:", NULL},
        {"an other value that reads like a choice's name",
         "selectgenotype genes label=A choices=\"Aa:A,A|Recessive:a,a\" flags=lo\n", 0, "a,A", "Other Value:", NULL},
        {"a listed pair typed in the other order",
         "selectgenotype genes label=B choices=\"Black:B,B|Carrier:B,b|Brown:b,b\" flags=lu\n", 0, "b,B", "Carrier",
         NULL},
        {"a sex-linked pair in the other order",
         "selectgenotype genes label=H choices=\"Clear:XH,XH|Carrier:XH,Xh\" flags=lu\n", 0, "Xh,XH", "Carrier", NULL},
        {"an unlisted pair in a list", "selectgenotype genes label=A choices=\"Dominant:A,A|Recessive:a,a\" flags=lu\n",
         0, "A,a", "", NULL},
        {"an unlisted pair, radio without an assumed choice",
         "selectgenotype genes label=A choices=\"Dominant:A,A|Recessive:a,a\"\n", 1, "a,A", "", NULL},
        {"an unlisted pair, check box", "selectgenotype genes label=A choices=\"A,A|a,a\" flags=u\n", 0, "A,a", "",
         NULL},
        {"a choice of two genes, one typed otherwise",
         "selectgenotype genes label=L choices=\"Liver:b,b D,D|Black:B,B D,D\" flags=lu\n", 0, "b,b d,d", "",
         NULL},
        {"a choice that names one of the covered genes",
         "selectgenotype genes label=L choices=\"Brown:b,b|Both:B,B D,D\" flags=lu\n", 0, "b,b D,d", "Brown", NULL},
        {"a polygene value", "selectgenotype genes label=H choices=\"Short:Height=5|Tall:Height=15\" flags=lo\n", 0,
         "Height=7.5", "Other Value:", NULL},
        {"fields after an unlabelled first tab",
         "selectgenotype tab label=\"\"\nselectgenotype genes label=A "
         "choices=\"Dominant:A,A|Recessive:a,a\" flags=lu\n",
         0, "a,a D,d", "Recessive", NULL},
        {"every kind of element on a sheet", everyKind, 0, "a,A B,b d,D Height=12.5 XH,Xh", "Carrier", NULL},
        {"every kind of element, male", everyKind, 1, "A,a b,B Xh", "Carrier", NULL},
    };
    for (const KeepCase& c : cases)
    {
        CGeneticsConfig config;
        ASSERT_STREQ((LPCTSTR)ReadConfigText(config, CString(SelectionTestGenes) + c.lines), "") << c.name;
        CGeneticsSection* rules = config.FindFirstRulesSection();
        std::string shown;
        const std::string written = SelectAndOk(rules, c.sex, c.typed, &shown);
        EXPECT_EQ(written, c.written != NULL ? std::string(c.written) : AsWritten(rules, c.sex, c.typed)) << c.name;
        EXPECT_EQ(shown, c.shown) << c.name;
    }
}

TEST_F(SelectionKeepsTyped, OkRefusesAGenotypeThatTheParentsBoxRefuses)
{
    // The action sets the female form, which a male cannot hold.
    CGeneticsConfig config;
    ASSERT_STREQ((LPCTSTR)ReadConfigText(config, CString(SelectionTestGenes) +
                                                "selectgenotype button label=Affect onclick=\"Xh,Xh\"\n"
                                                "selectgenotype genes label=A choices=\"A,A|a,a\"\n"),
                 "");
    CGeneticsSection* rules = config.FindFirstRulesSection();
    CSelectGenotypeRequest request(1, rules, rules->GetGenesSection(), NULL);
    HWND selection = NULL;
    bool stayedOpen = false;
    std::string message;
    CDialogDriver driver([&](HWND window) {
        if (selection != NULL)
        {
            // The message box: the window behind it is still open.
            stayedOpen = ::IsWindow(selection) && ::IsWindowVisible(selection);
            ::EnumChildWindows(window, AddStaticText, (LPARAM)&message);
            CDialogDriver::Click(window, IDOK);
            CDialogDriver::Click(selection, IDCANCEL);
            return;
        }
        selection = window;
        HWND button = ::FindWindowExA(window, NULL, "Button", "Affect");
        ASSERT_NE(button, nullptr);
        ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button), BN_CLICKED), (LPARAM)button);
        PumpWaitingMessages();
        CDialogDriver::Click(window, IDOK);
    });
    EXPECT_EQ(request.Run(), 0);
    EXPECT_TRUE(stayedOpen);
    EXPECT_NE(message.find("heterogametic"), std::string::npos) << message;
}

// Two fields of one gene: the one the user changes wins, on its own form and
// on the sheet's other pages; the other one shows the new value.
TEST_F(SelectionKeepsTyped, AChangedFieldWinsOverAnotherFieldOfItsGene)
{
    const char* locus =
        "selectgenotype genes label=\"A locus\" choices=\"Dominant:A,A|Carrier:A,a|Recessive:a,a\" flags=lu\n";
    const char* again = "selectgenotype genes label=\"A again\" choices=\"Dominant:A,A|Recessive:a,a\" flags=lu\n";
    const struct
    {
        const char* name;
        CString lines;
    } cases[] = {
        {"one form", CString(locus) + again},
        {"two pages", CString("selectgenotype tab label=One\n") + locus + "selectgenotype tab label=Two\n" + again},
    };
    for (const auto& c : cases)
    {
        CGeneticsConfig config;
        ASSERT_STREQ((LPCTSTR)ReadConfigText(config, CString(SelectionTestGenes) + c.lines), "") << c.name;
        CGeneticsSection* rules = config.FindFirstRulesSection();
        CSelectGenotypeRequest request(0, rules, rules->GetGenesSection(), NULL);
        ASSERT_STREQ((LPCTSTR)request.m_genotype.Parse(rules, "A,a", 0, 0), "");
        std::string againShows;
        CDialogDriver driver([&](HWND window) {
            // The first combo box is "A locus": the user picks Recessive.
            HWND combo = ::FindWindowExA(window, NULL, "ComboBox", NULL);
            HWND page = window;
            if (combo == NULL)
            {
                page = PropSheet_GetCurrentPageHwnd(window);
                combo = ::FindWindowExA(page, NULL, "ComboBox", NULL);
            }
            ASSERT_NE(combo, nullptr);
            ::SendMessageA(combo, CB_SELECTSTRING, (WPARAM)-1, (LPARAM) "Recessive");
            ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo), CBN_SELCHANGE), (LPARAM)combo);
            PumpWaitingMessages();
            if (page != window)
            {
                PropSheet_SetCurSel(window, NULL, 1);
                PumpWaitingMessages();
                page = PropSheet_GetCurrentPageHwnd(window);
                combo = NULL;
            }
            else
                combo = ::FindWindowExA(page, combo, "ComboBox", NULL);
            againShows =
                CDialogDriver::WindowText(combo != NULL ? combo : ::FindWindowExA(page, NULL, "ComboBox", NULL));
            CDialogDriver::Click(window, IDOK);
        });
        ASSERT_EQ(request.Run(), 1) << c.name;
        EXPECT_STREQ((LPCTSTR)request.m_genotype.Format(rules->GetGenesSection(), 0), "aa") << c.name;
        EXPECT_EQ(againShows, "Recessive") << c.name;
    }
}

// Random genotypes of each shipped configuration, valid for the parent, pairs
// and alleles in random order: OK untouched gives them back.
class ShippedSelectionKeepsTyped : public SelectionKeepsTyped, public ::testing::WithParamInterface<const char*>
{
protected:
    // A random genotype text of the genes section for the sex: each gene
    // present or not, its alleles drawn from its symbols, pairs shuffled.
    static CString RandomGenotype(CGeneticsSection* rules, int sex, std::mt19937& random)
    {
        CGeneticsSection* genes = rules->GetGenesSection();
        std::vector<CString> pairs;
        for (UINT gene = 1; gene <= genes->GetGeneCount(); gene++)
        {
            const CGeneDef* def = genes->GetGeneDef(gene);
            if (def == NULL || def->m_symbolCodes.GetSize() == 0 || random() % 4 == 0)
                continue;
            const auto symbol = [&]() {
                return genes->GetSymbolName(def->m_symbolCodes[random() % def->m_symbolCodes.GetSize()]);
            };
            const CString single = symbol(), pair = single + "," + symbol();
            CGenotype check;
            for (const CString& text : {pair, single})
            {
                if (check.Parse(rules, text, sex, 0).IsEmpty())
                {
                    pairs.push_back(text);
                    break;
                }
            }
        }
        std::shuffle(pairs.begin(), pairs.end(), random);
        CString text;
        for (const CString& pair : pairs)
            text += (text.IsEmpty() ? "" : " ") + pair;
        return text;
    }
};

TEST_P(ShippedSelectionKeepsTyped, RandomGenotypesComeBackUnchanged)
{
    CGeneticsConfig config;
    ASSERT_STREQ((LPCTSTR)LoadShippedConfiguration(config, CString(GetParam()) + ".txt"), "");
    CGeneticsSection* rules = config.FindFirstRulesSection();
    ASSERT_NE(rules, nullptr);
    std::mt19937 random(20261207u + (unsigned)strlen(GetParam()));
    for (int sex = 0; sex < 2; sex++)
    {
        for (int run = 0; run < 12; run++)
        {
            const CString typed = RandomGenotype(rules, sex, random);
            if (typed.IsEmpty())
                continue;
            const std::string screenshot =
                std::string("select_genotype_ok_") + GetParam() + (sex ? "_male" : "_female");
            const std::string written = SelectAndOk(rules, sex, typed, NULL, run == 0 ? screenshot.c_str() : NULL);
            EXPECT_EQ(written, AsWritten(rules, sex, typed)) << (LPCTSTR)typed << " sex " << sex;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedSelectionKeepsTyped,
                         ::testing::Values("BorderCollieAussie", "Dachshund", "GeneralCanine", "GreatDane",
                                           "Labrador"));
} // namespace
