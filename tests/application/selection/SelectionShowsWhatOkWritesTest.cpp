// The genotype selection window shows what OK writes: a field offers only
// choices that the parent may hold and shows no choice where none holds the
// pair, "Specified genotype" follows every field change, button and menu
// item, and an other value that does not read keeps the window open.
#include "application/selection/SelectGenotypeRequest.h"
#include "SelectionTestGenes.h"
#include "foundation/terminology/TerminologySetup.h"
#include "genetics/ConfigurationReading.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsSection.h"
#include "support/DialogDriver.h"
#include "support/MessagePump.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

#include <string.h>
#include <vector>

namespace
{

std::string ClassOf(HWND window)
{
    char name[32] = "";
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

BOOL CALLBACK AddChild(HWND child, LPARAM children)
{
    ((std::vector<HWND>*)children)->push_back(child);
    return TRUE;
}

// The form's windows in creation order: a field's windows follow its label.
std::vector<HWND> Children(HWND window)
{
    std::vector<HWND> children;
    ::EnumChildWindows(window, AddChild, (LPARAM)&children);
    return children;
}

size_t FindText(const std::vector<HWND>& children, const std::string& text)
{
    size_t i = 0;
    while (i < children.size() && CDialogDriver::WindowText(children[i]) != text)
        i++;
    return i;
}

bool IsKind(HWND window, const char* className, std::initializer_list<LONG> kinds)
{
    const LONG kind = ::GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK;
    return ClassOf(window) == className && std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

// What the field of that label shows, as a user reads it: a check box
// "[x]", "[ ]" or "[-]"; a list its selected item (and the other value's
// text while that is open for typing); radio buttons the checked one;
// "(none)" for no choice; "n/a " before a field that is disabled.
std::string Describe(HWND window, const std::string& label)
{
    const std::vector<HWND> children = Children(window);
    size_t i = FindText(children, label);
    if (i == children.size())
        return "(no field " + label + ")";
    std::string shown;
    if (IsKind(children[i], "Button", {BS_AUTOCHECKBOX, BS_AUTO3STATE}))
        shown = std::string("[ ]\0[x]\0[-]" + 4 * ::SendMessageA(children[i], BM_GETCHECK, 0, 0), 3);
    else if (++i < children.size() && ClassOf(children[i]) == "ComboBox")
    {
        const int selected = (int)::SendMessageA(children[i], CB_GETCURSEL, 0, 0);
        char item[256] = "(none)";
        if (selected >= 0)
            ::SendMessageA(children[i], CB_GETLBTEXT, selected, (LPARAM)item);
        shown = item;
        if (i + 1 < children.size() && ClassOf(children[i + 1]) == "Edit" && ::IsWindowEnabled(children[i + 1]))
            shown += " [" + CDialogDriver::WindowText(children[i + 1]) + "]";
    }
    else
    {
        for (; i < children.size() && IsKind(children[i], "Button", {BS_AUTORADIOBUTTON}); i++)
            if (::SendMessageA(children[i], BM_GETCHECK, 0, 0) == BST_CHECKED)
                shown = CDialogDriver::WindowText(children[i]);
        i--;
        if (shown.empty())
            shown = "(none)";
    }
    return (::IsWindowEnabled(children[i]) ? "" : "n/a ") + shown;
}

HWND WindowAfter(HWND window, const std::string& label, int offset = 1)
{
    const std::vector<HWND> children = Children(window);
    const size_t i = FindText(children, label) + offset;
    return i < children.size() ? children[i] : NULL;
}

// One step of the user, "kind:name[:value]": press a button, choose a menu
// button's item by its position, choose a list's item, type an other value.
void RunStep(HWND window, const std::string& step)
{
    const size_t colon = step.find(':'), second = step.find(':', colon + 1);
    const std::string kind = step.substr(0, colon);
    const std::string name = step.substr(colon + 1, second == std::string::npos ? second : second - colon - 1);
    const std::string value = second == std::string::npos ? "" : step.substr(second + 1);
    if (kind == "press" || kind == "menu")
    {
        HWND button = WindowAfter(window, name, 0);
        ASSERT_NE(button, nullptr) << step;
        ::SendMessageA(::GetParent(button), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button), BN_CLICKED), (LPARAM)button);
        // The keys wait in the queue behind the press, for the menu's own loop.
        for (int i = 0; kind == "menu" && i <= atoi(value.c_str()); i++)
            ::PostMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
        if (kind == "menu")
            ::PostMessageA(window, WM_KEYDOWN, VK_RETURN, 0);
    }
    else
    {
        HWND combo = WindowAfter(window, name);
        ASSERT_NE(combo, nullptr) << step;
        const std::string item = kind == "other" ? "Other Value:" : value;
        ASSERT_NE(::SendMessageA(combo, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)item.c_str()), CB_ERR) << step;
        ::SendMessageA(::GetParent(combo), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo), CBN_SELCHANGE), (LPARAM)combo);
        PumpWaitingMessages();
        if (kind == "other")
            ::SetWindowTextA(WindowAfter(window, name, 2), value.c_str());
    }
    PumpWaitingMessages();
}

BOOL CALLBACK AddStaticText(HWND child, LPARAM text)
{
    if (ClassOf(child) == "Static")
        *(std::string*)text += CDialogDriver::WindowText(child);
    return TRUE;
}

struct ShowCase
{
    const char* name;
    CString lines; // selection lines after the genes
    int sex;
    const char* typed;
    std::vector<std::string> steps;
    const char* field;     // the field whose state is checked after the steps
    const char* shown;     // its state
    const char* specified; // "Specified genotype:" after the steps
    const char* written;   // what OK writes; "!text": refused for the text
    const char* reason;    // why it is refused, when not the parser's message
};

class SelectionShowsWhatOkWrites : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        InitProductTerms();
        InitDefaultTerms();
    }

    CTestApp app{"Kestrova Selection Tests"};
};

const char HaemophiliaList[] = "selectgenotype genes label=G choices=\"Clear:XH,XH|Carrier:XH,Xh|Affected:Xh,Xh\"\n";
const char HaemophiliaRadio[] = "selectgenotype genes label=G choices=\"Clear*:XH|Affected:Xh,Xh\"\n";
const char HaemophiliaCheck[] = "selectgenotype genes label=G choices=\":XH,XH|:Xh,Xh\"\n";
const char HaemophiliaOther[] = "selectgenotype genes label=G choices=\"Clear:XH,XH|Affected:Xh,Xh\" flags=lo\n";
const char Actions[] = "selectgenotype button label=\"Set b\" onclick=\"b,b\"\n"
                       "selectgenotype button label=\"Clear B\" onclick=\"~B\"\n"
                       "selectgenotype button label=\"Clear A\" onclick=\"~A\"\n"
                       "selectgenotype button label=\"Set AA\" onclick=\"A,A\"\n"
                       "selectgenotype button label=\"Set aa\" onclick=\"a,a\"\n"
                       "selectgenotype button label=\"Set Aa\" onclick=\"A,a\"\n"
                       "selectgenotype menu label=Dilution items=\"Dense:D,D|Dilute:d,d\"\n";
const char LocusList[] = "selectgenotype genes label=G choices=\"Dominant:A,A|Carrier:A,a|Recessive:a,a\" flags=lu\n";
const char LocusRadio[] = "selectgenotype genes label=R choices=\"Dominant:A,A|Recessive:a,a\"\n";
const char LocusOther[] = "selectgenotype genes label=O choices=\"Dominant:A,A|Recessive:a,a\" flags=lo\n";

TEST_F(SelectionShowsWhatOkWrites, ForEveryKindOfFieldAndChange)
{
    const CString list = CString(LocusList) + Actions, radio = CString(LocusRadio) + Actions;
    const CString sheet =
        CString("selectgenotype tab label=One\n") + radio + "selectgenotype tab label=Two\n" + LocusList;
    const CString otherSheet =
        CString("selectgenotype tab label=One\n") + LocusOther + "selectgenotype tab label=Two\n" + LocusRadio;
    const ShowCase cases[] = {
        // Choices of the other sex's forms are not offered, nor written untouched.
        {"female forms only, list, male", HaemophiliaList, 1, "", {}, "G", "n/a (none)", "", ""},
        {"female forms only, check box, male", HaemophiliaCheck, 1, "A,a", {}, "G", "n/a [ ]", " (Aa)", "Aa"},
        {"female forms only, other value, male, untyped", HaemophiliaOther, 1, "", {}, "G", "(none)", "", ""},
        {"a default of the other sex's form, radio", HaemophiliaRadio, 0, "", {}, "G", "(none)", "", ""},
        // "Specified genotype" after buttons, menu items and field changes.
        {"button on an uncovered gene", list, 0, "A,a B,b", {"press:Set b"}, "G", "Carrier", "Aa (bb)", "Aa bb"},
        {"button on a gene of another page",
         CString("selectgenotype tab label=One\n") + list +
             "selectgenotype tab label=Two\nselectgenotype genes label=B choices=\"Black:B,B|Brown:b,b\"\n",
         0,
         "A,a B,b",
         {"press:Set b"},
         "G",
         "Carrier",
         "Aa",
         "Aa bb"},
        {"button clearing an uncovered gene", list, 0, "A,a B,b", {"press:Clear B"}, "G", "Carrier", "Aa", "Aa"},
        {"menu item", list, 0, "A,a B,b", {"menu:Dilution:1"}, "G", "Carrier", "Aa (Bb dd)", "Aa Bb dd"},
        {"field change after a button",
         list,
         0,
         "A,a B,b",
         {"press:Set b", "choose:G:Recessive"},
         "G",
         "Recessive",
         "aa (bb)",
         "aa bb"},
        {"button clearing a covered gene", radio, 0, "A,a B,b", {"press:Clear A"}, "R", "(none)", " (Bb)", "Bb"},
        // A field whose choices do not hold the pair shows no choice, and
        // follows again once they do.
        {"unlisted pair, list",
         radio + "selectgenotype genes label=L choices=\"Dark:A,A|Light:a,a\" flags=l\n",
         0,
         "A,a",
         {},
         "L",
         "(none)",
         "Aa",
         "Aa"},
        {"unlisted pair on a page of a sheet", sheet, 1, "A,a", {}, "R", "(none)", "Aa", "Aa"},
        {"unlisted pair after a button, list",
         radio + "selectgenotype genes label=L choices=\"Dark:A,A|Light:a,a\" flags=lu\n",
         0,
         "A,A",
         {"press:Set Aa"},
         "L",
         "(none)",
         "Aa",
         "Aa"},
        {"unlisted pair after a button, radio", radio, 0, "a,a", {"press:Set Aa"}, "R", "(none)", "Aa", "Aa"},
        {"unlisted pair after a button, check box",
         CString("selectgenotype genes label=C choices=\":A,A|:a,a\"\n") + Actions,
         0,
         "A,a",
         {"press:Set aa", "press:Set Aa"},
         "C",
         "[ ]",
         "Aa",
         "Aa"},
        {"another field of the gene changed",
         list + LocusRadio,
         0,
         "A,A",
         {"choose:G:Carrier"},
         "R",
         "(none)",
         "Aa",
         "Aa"},
        // An other value that does not read is refused, the text kept.
        {"unreadable other value", LocusOther, 0, "a,a", {"other:O:A,Q"}, "O", "Other Value: [A,Q]", NULL, "!A,Q"},
        {"unknown alleles in the other value",
         LocusOther,
         0,
         "a,a",
         {"other:O:zz"},
         "O",
         "Other Value: [zz]",
         NULL,
         "!zz"},
        {"a lone allele in the other value", LocusOther, 0, "a,a", {"other:O:A"}, "O", "Other Value: [A]", NULL, "!A"},
        {"unreadable other value beside another field",
         CString(LocusOther) + LocusRadio,
         0,
         "a,a",
         {"other:O:A,Q"},
         "O",
         "Other Value: [A,Q]",
         NULL,
         "!A,Q"},
        {"unreadable other value on a page of a sheet",
         otherSheet,
         0,
         "a,a",
         {"other:O:A,Q"},
         "O",
         "Other Value: [A,Q]",
         NULL,
         "!A,Q"},
        {"readable other value", LocusOther, 0, "a,a", {"other:O:A,a"}, "O", "Other Value: [A,a]", "Aa", "Aa"},
        // An other value speaks for the field's own genes only.
        {"other value naming another gene",
         LocusOther,
         0,
         "a,a B,B",
         {"other:O:b,b"},
         "O",
         "Other Value: [b,b]",
         NULL,
         "!b,b",
         "gene 'B' is not one of this field's genes"},
        {"other value naming its gene and another",
         LocusOther,
         0,
         "a,a B,B",
         {"other:O:A,a b,b"},
         "O",
         "Other Value: [A,a b,b]",
         NULL,
         "!A,a b,b",
         "gene 'B' is not one of this field's genes"},
        {"unreadable polygene value",
         "selectgenotype genes label=H choices=\"Short:Height=5|Tall:Height=15\" flags=lo\n",
         1,
         "Height=7.5",
         {"other:H:x7"},
         "H",
         "Other Value: [x7]",
         NULL,
         "!x7"},
    };
    for (const ShowCase& c : cases)
    {
        CGeneticsConfig config;
        ASSERT_STREQ((LPCTSTR)ReadConfigText(config, CString(SelectionTestGenes) + c.lines), "") << c.name;
        CGeneticsSection* rules = config.FindFirstRulesSection();
        CGeneticsSection* genes = rules->GetGenesSection();
        CSelectGenotypeRequest request(c.sex, rules, genes, NULL);
        if (*c.typed != 0)
        {
            ASSERT_STREQ((LPCTSTR)request.m_genotype.Parse(rules, c.typed, c.sex, 0), "") << c.name;
        }
        HWND selection = NULL;
        std::string shown, specified, message, shownAtMessage;
        CDialogDriver driver([&](HWND window) {
            if (selection != NULL)
            {
                // OK was refused: the message, over the window still open.
                ::EnumChildWindows(window, AddStaticText, (LPARAM)&message);
                if (::IsWindowVisible(selection))
                    shownAtMessage = Describe(selection, c.field);
                CDialogDriver::Click(window, IDOK);
                CDialogDriver::Click(selection, IDCANCEL);
                return;
            }
            selection = window;
            for (const std::string& step : c.steps)
                RunStep(window, step);
            shown = Describe(window, c.field);
            specified = CDialogDriver::WindowText(WindowAfter(window, "Specified genotype:"));
            CDialogDriver::Click(window, IDOK);
        });
        const bool written = request.Run() == 1;
        EXPECT_EQ(shown, c.shown) << c.name;
        if (c.specified != NULL)
        {
            EXPECT_EQ(specified, c.specified) << c.name;
        }
        if (c.written[0] != '!')
        {
            EXPECT_TRUE(written) << c.name << ": " << message;
            EXPECT_STREQ((LPCTSTR)request.m_genotype.Format(genes, 0), c.written) << c.name;
            continue;
        }
        CGenotype unread;
        const CString error = c.reason != NULL ? CString(c.reason) : unread.Parse(rules, c.written + 1, c.sex, 0);
        EXPECT_FALSE(written) << c.name;
        const std::string refusal = std::string("Error in genotype '") + (c.written + 1) + "' - " + (LPCTSTR)error;
        EXPECT_EQ(message.rfind(refusal + ".", 0), 0u) << c.name << ": " << message;
        EXPECT_EQ(shownAtMessage, c.shown) << c.name;
    }
}
} // namespace
