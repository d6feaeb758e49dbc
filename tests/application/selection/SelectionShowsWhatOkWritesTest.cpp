// The genotype selection window shows what OK writes: a field offers only
// choices that the parent may hold and shows no choice where none holds the
// pair, "Specified genotype" follows every field change, button and menu
// item, an other value that does not read keeps the window open (on a
// sheet showing its page), and a sheet's page shown again shows the same.
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

#include <commctrl.h>

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
// "[x]", "[ ]" or "[-]"; a list its selected item and the other value's
// text ("[text]" while open for typing, "(text)" shown disabled); radio
// buttons the checked one; "(none)" for no choice; "n/a " before a field
// that is disabled.
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
        HWND edit = i + 1 < children.size() && ClassOf(children[i + 1]) == "Edit" ? children[i + 1] : NULL;
        const std::string other = edit != NULL ? CDialogDriver::WindowText(edit) : "";
        if (edit != NULL && ::IsWindowEnabled(edit))
            shown += " [" + other + "]";
        else if (!other.empty())
            shown += " (" + other + ")";
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

    // Select... for the parent on the typed genotype, the selection lines
    // read after the test genes into the configuration.
    static CSelectGenotypeRequest Request(CGeneticsConfig& config, const CString& lines, int sex, const char* typed)
    {
        EXPECT_STREQ((LPCTSTR)ReadConfigText(config, CString(SelectionTestGenes) + lines), "");
        CGeneticsSection* rules = config.FindFirstRulesSection();
        CSelectGenotypeRequest request(sex, rules, rules->GetGenesSection(), NULL);
        if (*typed != 0)
        {
            EXPECT_STREQ((LPCTSTR)request.m_genotype.Parse(rules, typed, sex, 0), "") << typed;
        }
        return request;
    }

    // Whether OK wrote what it should ("!text": refused for the text, for the
    // reason given or else the parser's), the message shown meanwhile.
    static void ExpectWritten(const CSelectGenotypeRequest& request, bool written, const std::string& message,
                              const char* expected, const char* reason, const char* name)
    {
        if (expected[0] != '!')
        {
            EXPECT_TRUE(written) << name << ": " << message;
            CGenotype genotype(request.m_genotype);
            EXPECT_STREQ((LPCTSTR)genotype.Format(request.m_pGenes, 0), expected) << name;
            return;
        }
        CGenotype unread;
        const CString error =
            reason != NULL ? CString(reason) : unread.Parse(request.m_pRules, expected + 1, request.m_nSex, 0);
        EXPECT_FALSE(written) << name;
        const std::string refusal = std::string("Error in genotype '") + (expected + 1) + "' - " + (LPCTSTR)error;
        EXPECT_EQ(message.rfind(refusal + ".", 0), 0u) << name << ": " << message;
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
        CSelectGenotypeRequest request = Request(config, c.lines, c.sex, c.typed);
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
        ExpectWritten(request, written, message, c.written, c.reason, c.name);
        if (c.written[0] == '!')
        {
            EXPECT_EQ(shownAtMessage, c.shown) << c.name;
        }
    }
}

// The sheet: a field of each kind on page One and on page Two. The pages are
// shown 1, 0, 1, 0 (the steps run on page Two when it first shows), then OK:
// every showing shows the same, and OK writes what was shown.
struct SheetCase
{
    const char* name;
    CString one, two; // the selection lines of each page
    int sex;
    const char* typed;
    std::vector<std::string> steps;
    const char* field[2];     // each page's field
    const char* shown[2];     // what it shows at every showing
    const char* specified[2]; // each page's "Specified genotype:" at every showing
    const char* written;      // what OK writes; "!text": refused for the text, page Two shown
};

const char LocusPlainList[] =
    "selectgenotype genes label=L choices=\"Dominant:A,A|Carrier:A,a|Recessive:a,a\" flags=l\n";
const char HaemophiliaNamedRadio[] = "selectgenotype genes label=H choices=\"Clear:XH,XH|Affected:Xh,Xh\"\n";
const char BlackOther[] = "selectgenotype genes label=B choices=\"Black:B,B|Brown:b,b\" flags=lo\n";

TEST_F(SelectionShowsWhatOkWrites, OnASheetShowingPagesAgainChangesNothing)
{
    const SheetCase cases[] = {
        {"typed pairs that no radio offers",
         LocusRadio,
         HaemophiliaNamedRadio,
         0,
         "A,a XH,Xh",
         {},
         {"R", "H"},
         {"(none)", "(none)"},
         {"Aa", "XHXh"},
         "Aa XHXh"},
        {"untyped list, and a list of female forms for a male",
         LocusPlainList,
         HaemophiliaList,
         1,
         "XH",
         {},
         {"L", "G"},
         {"(none)", "n/a (none)"},
         {"", "XH"},
         "XH"},
        {"untyped lists", LocusPlainList, HaemophiliaList, 0, "", {}, {"L", "G"}, {"(none)", "(none)"}, {"", ""}, ""},
        {"untyped other value",
         LocusOther,
         "selectgenotype genes label=B choices=\"Black:B,B|Brown:b,b\"\n",
         0,
         "B,B",
         {},
         {"O", "B"},
         {"(none)", "Black"},
         {"", "BB"},
         "BB"},
        {"check boxes, three states and two",
         "selectgenotype genes label=C choices=\":A,A|:a,a\" flags=u\n",
         "selectgenotype genes label=C choices=\":B,B|:b,b\"\n",
         0,
         "A,a b,b",
         {},
         {"C", "C"},
         {"[-]", "[x]"},
         {"Aa", "bb"},
         "Aa bb"},
        {"a listed pair and an other value",
         LocusPlainList,
         BlackOther,
         0,
         "A,a B,b",
         {},
         {"L", "B"},
         {"Carrier", "Other Value: [Bb]"},
         {"Aa", "Bb"},
         "Aa Bb"},
        {"defaults, one of the other sex's form",
         "selectgenotype genes label=R choices=\"Dominant*:A,A|Recessive:a,a\"\n",
         HaemophiliaRadio,
         0,
         "",
         {},
         {"R", "G"},
         {"Dominant", "(none)"},
         {"AA", ""},
         "AA"},
        // The disabled edit shows the male's form, in the other value's notation.
        {"female form first, male",
         LocusRadio,
         "selectgenotype genes label=H choices=\"Clear:XH,XH;XH|Affected:Xh,Xh;Xh\" flags=lo\n",
         1,
         "Xh",
         {},
         {"R", "H"},
         {"(none)", "Affected (Xh!)"},
         {"", "Xh"},
         "Xh"},
        {"an other value typed on page Two",
         LocusRadio,
         BlackOther,
         0,
         "A,a",
         {"other:B:B,b"},
         {"R", "B"},
         {"(none)", "Other Value: [B,b]"},
         {"Aa", "Bb"},
         "Aa Bb"},
        {"an unreadable other value on page Two",
         LocusRadio,
         BlackOther,
         0,
         "A,a",
         {"other:B:B,Q"},
         {"R", "B"},
         {"(none)", "Other Value: [B,Q]"},
         {"Aa", ""},
         "!B,Q"},
    };
    for (const SheetCase& c : cases)
    {
        CGeneticsConfig config;
        CSelectGenotypeRequest request = Request(
            config, CString("selectgenotype tab label=One\n") + c.one + "selectgenotype tab label=Two\n" + c.two, c.sex,
            c.typed);
        HWND sheet = NULL;
        std::string differences, message;
        int pageAtMessage = -1;
        // Notes where the page in front shows other than it should.
        auto look = [&](const std::string& when) {
            HWND page = PropSheet_GetCurrentPageHwnd(sheet);
            const int index = PropSheet_HwndToIndex(sheet, page);
            const std::string shown = Describe(page, c.field[index]);
            const std::string specified = CDialogDriver::WindowText(WindowAfter(page, "Specified genotype:"));
            if (shown != c.shown[index] || specified != c.specified[index])
                differences += when + ", page " + std::to_string(index) + ": " + shown + ", '" + specified + "'\n";
        };
        CDialogDriver driver([&](HWND window) {
            if (sheet != NULL)
            {
                ::EnumChildWindows(window, AddStaticText, (LPARAM)&message);
                pageAtMessage = PropSheet_HwndToIndex(sheet, PropSheet_GetCurrentPageHwnd(sheet));
                look("refused");
                CDialogDriver::Click(window, IDOK);
                CDialogDriver::Click(sheet, IDCANCEL);
                return;
            }
            sheet = window;
            look("opened");
            int showing = 0;
            for (const int page : {1, 0, 1, 0})
            {
                PropSheet_SetCurSel(sheet, NULL, page);
                PumpWaitingMessages();
                if (++showing == 1)
                    for (const std::string& step : c.steps)
                        RunStep(PropSheet_GetCurrentPageHwnd(sheet), step);
                look("showing " + std::to_string(showing));
            }
            CDialogDriver::Click(sheet, IDOK);
        });
        const bool written = request.Run() == 1;
        EXPECT_EQ(differences, "") << c.name;
        ExpectWritten(request, written, message, c.written, NULL, c.name);
        if (c.written[0] == '!')
        {
            EXPECT_EQ(pageAtMessage, 1) << c.name;
        }
    }
}
} // namespace
