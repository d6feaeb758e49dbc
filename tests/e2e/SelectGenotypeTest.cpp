// Select... beside each parent's genotype: the selection window opens on the
// typed genotype, its fields change the specified genotype and the computed
// phenotype, OK writes the formatted genotype back into the edit (whose
// phenotype and report follow it) and Cancel changes nothing.
#include "E2eSupport.h"
#include "RealInput.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string.h>
#include <sstream>

using namespace e2e;

namespace
{
const char SelectCaption[] = "Select Genotype";

// The child windows of a window with their class names, in creation order.
struct Child
{
    HWND window;
    std::string className;
    std::string text;
};

BOOL CALLBACK AddChild(HWND window, LPARAM list)
{
    char name[64] = "";
    ::GetClassNameA(window, name, sizeof name);
    ((std::vector<Child>*)list)->push_back({window, name, CProgramDriver::Text(window)});
    return TRUE;
}

std::vector<Child> Children(HWND window)
{
    std::vector<Child> children;
    ::EnumChildWindows(window, AddChild, (LPARAM)&children);
    return children;
}

// The control that follows the label with that text (a field's window comes
// right after its label).
HWND FieldAfterLabel(HWND window, const std::string& label)
{
    const std::vector<Child> children = Children(window);
    for (size_t i = 0; i + 1 < children.size(); i++)
    {
        if (children[i].text == label)
            return children[i + 1].window;
    }
    return NULL;
}

HWND ChildWithText(HWND window, const std::string& text)
{
    for (const Child& child : Children(window))
        if (child.text == text)
            return child.window;
    return NULL;
}

HWND ChildOfClass(HWND window, const std::string& className)
{
    for (const Child& child : Children(window))
        if (child.className == className)
            return child.window;
    return NULL;
}

// Presses a button of a form (a dialog or a sheet's page) as a click does.
void Press(HWND button)
{
    ::PostMessageA(::GetParent(button), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button), BN_CLICKED), (LPARAM)button);
}

BOOL CALLBACK FindPopupMenu(HWND window, LPARAM found)
{
    char name[16] = "";
    ::GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "#32768" && ::IsWindowVisible(window))
        *(HWND*)found = window;
    return *(HWND*)found == NULL;
}

// The pop-up menu on screen; null when none.
HWND ShownPopupMenu()
{
    HWND menu = NULL;
    ::EnumWindows(FindPopupMenu, (LPARAM)&menu);
    return menu;
}

// The pop-up menu on screen, after waiting for it; null when none came.
HWND WaitForPopupMenu()
{
    HWND menu = NULL;
    for (int i = 0; i < 500 && (menu = ShownPopupMenu()) == NULL; i++)
        ::Sleep(10);
    return menu;
}

// Clicks the window's button and waits until the window is gone.
bool Closes(HWND window, int button)
{
    CProgramDriver::Click(window, button);
    for (int i = 0; i < 500 && ::IsWindow(window); i++)
        ::Sleep(10);
    return !::IsWindow(window);
}

bool Enabled(HWND dialog, int id)
{
    return CProgramDriver::IsItemEnabled(dialog, id);
}

// Chooses the item of the field's combo box as the user would.
void Choose(HWND window, const std::string& label, const std::string& item)
{
    HWND combo = FieldAfterLabel(window, label);
    ASSERT_NE(combo, nullptr) << label;
    ASSERT_NE(::SendMessageA(combo, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)item.c_str()), CB_ERR) << item;
    ::PostMessageA(::GetParent(combo), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo), CBN_SELCHANGE), (LPARAM)combo);
}

// Chooses the menu button's item by position with the keyboard (Escape
// for none), as the user would.
void ChooseFromMenu(HWND window, const std::string& button, int position)
{
    HWND item = ChildWithText(window, button);
    ASSERT_NE(item, nullptr) << button;
    Press(item);
    ASSERT_NE(WaitForPopupMenu(), nullptr) << "the menu opens";
    HWND owner = ::GetParent(item);
    for (int i = 0; i <= position; i++)
        ::PostMessageA(owner, WM_KEYDOWN, VK_DOWN, 1);
    ::PostMessageA(owner, WM_KEYDOWN, position < 0 ? VK_ESCAPE : VK_RETURN, 1);
    for (int i = 0; i < 500 && ShownPopupMenu() != NULL; i++)
        ::Sleep(10);
}

std::string Info(HWND window, const std::string& label)
{
    return CProgramDriver::Text(FieldAfterLabel(window, label));
}

bool WaitForInfo(HWND window, const std::string& label, const std::string& part)
{
    HWND field = FieldAfterLabel(window, label);
    return CProgramDriver::WaitForItemText(::GetParent(field), ::GetDlgCtrlID(field), [&](const std::string& text) {
        return text.find(part) != std::string::npos;
    });
}

class SelectGenotype : public ::testing::Test, protected CStartedProgram
{
protected:
    SelectGenotype() : CStartedProgram("select", {"Labrador.gen"}) {}

    void SetUp() override
    {
        ASSERT_TRUE(Start());
        ASSERT_TRUE(CProgramDriver::WaitUntil(Enabled, m_main, FemaleSelect));
        ASSERT_TRUE(CProgramDriver::WaitUntil(Enabled, m_main, MaleSelect));
    }

    void Type(int id, const std::string& text)
    {
        CProgramDriver::SetItemText(m_main, id, "");
        CProgramDriver::TypeInto(m_main, id, text);
    }

    HWND Open(int button)
    {
        CProgramDriver::Click(m_main, button);
        return m_driver.WaitForWindow(SelectCaption);
    }
};

TEST_F(SelectGenotype, AChangedFieldAndOkWriteTheGenotypeBackAndTheReportFollows)
{
    Type(FemaleGenotype, "Ee Bb");
    HWND window = Open(FemaleSelect);
    ASSERT_NE(window, nullptr);
    EXPECT_NE(Info(window, "Specified genotype:").find("Ee"), std::string::npos)
        << "the window opens on the typed genotype";
    Choose(window, "E locus", "Yellow (e,e)");
    ASSERT_TRUE(WaitForInfo(window, "Specified genotype:", "ee")) << Info(window, "Specified genotype:");
    ASSERT_TRUE(WaitForInfo(window, "Computed phenotype:", "Yellow")) << Info(window, "Computed phenotype:");
    CProgramDriver::Screenshot(window, "select-genotype-female-e2e");
    ASSERT_TRUE(Closes(window, IDOK));

    ASSERT_TRUE(CProgramDriver::WaitForItemText(
        m_main, FemaleGenotype, [](const std::string& text) { return text.find("ee") != std::string::npos; }));
    const std::string chosen = CProgramDriver::ItemText(m_main, FemaleGenotype);
    EXPECT_NE(chosen.find("Bb"), std::string::npos) << chosen;
    EXPECT_TRUE(CProgramDriver::WaitForItemText(m_main, FemalePhenotype, [](const std::string& text) {
        return text.find("Yellow") != std::string::npos;
    })) << CProgramDriver::ItemText(m_main, FemalePhenotype);

    Type(MaleGenotype, "Ee bb");
    ASSERT_TRUE(CProgramDriver::WaitUntil(Enabled, m_main, Predict));
    CProgramDriver::Click(m_main, Predict);
    ASSERT_TRUE(
        CProgramDriver::WaitForItemText(m_main, ReportText, [](const std::string& text) { return !text.empty(); }));
    EXPECT_EQ(ReportFromFirstHeading(CProgramDriver::ItemText(m_main, ReportText)),
              PredictToolOutput(m_folder / "Genetics.Gen", chosen, "Ee bb"));
}

TEST_F(SelectGenotype, CancelChangesNothing)
{
    Type(MaleGenotype, "Bb");
    HWND window = Open(MaleSelect);
    ASSERT_NE(window, nullptr);
    Choose(window, "B locus", "Chocolate (b,b)");
    ASSERT_TRUE(WaitForInfo(window, "Specified genotype:", "bb"));
    CProgramDriver::Screenshot(window, "select-genotype-male-e2e");
    ASSERT_TRUE(Closes(window, IDCANCEL));
    ASSERT_TRUE(CProgramDriver::WaitUntilHandled(m_main));
    EXPECT_EQ(CProgramDriver::ItemText(m_main, MaleGenotype), "Bb");
}

TEST_F(SelectGenotype, AnInvalidGenotypeGivesTheErrorAndOpensNothing)
{
    Type(FemaleGenotype, "Ee Qq");
    CProgramDriver::Click(m_main, FemaleSelect);
    for (int i = 0; i < 2000 && m_driver.FindMessageBox(NULL) == NULL; i++)
        ::Sleep(5);
    if (HWND box = m_driver.FindMessageBox(NULL))
        CProgramDriver::Screenshot(box, "message-box-genotype-error");
    const std::string message = m_driver.AnswerMessageBox(IDOK);
    EXPECT_EQ(message.rfind("Error in genotype 'Ee Qq' - ", 0), 0u) << message;
    ASSERT_TRUE(CProgramDriver::WaitUntilHandled(m_main));
    EXPECT_EQ(m_driver.FindWindowByCaption(SelectCaption), nullptr);
    EXPECT_EQ(CProgramDriver::ItemText(m_main, FemaleGenotype), "Ee Qq");
}

// Twelve tabs give a sheet of twelve pages for the female (one page is hers
// only); a button and a menu item set genes, Escape on the menu sets none.
TEST(SelectGenotypeSheet, PagesForEachTabAndTheActionsOfButtonAndMenu)
{
    CStartedProgram program("select-sheet", {"SelectionTabs.gen"});
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(CProgramDriver::WaitUntil(Enabled, program.m_main, FemaleSelect));
    CProgramDriver::SetItemText(program.m_main, FemaleGenotype, "B,B D,D");
    for (const int button : {MaleSelect, FemaleSelect})
    {
        CProgramDriver::Click(program.m_main, button);
        HWND sheet = program.m_driver.WaitForWindow(SelectCaption);
        ASSERT_NE(sheet, nullptr);
        HWND tabs = ChildOfClass(sheet, "SysTabControl32");
        ASSERT_NE(tabs, nullptr);
        EXPECT_EQ(::SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), button == FemaleSelect ? 12 : 11);
        if (button == MaleSelect)
        {
            EXPECT_TRUE(Closes(sheet, IDCANCEL));
            continue;
        }
        ASSERT_TRUE(WaitForInfo(sheet, "Specified genotype:", "BB DD"))
            << Info(sheet, "Specified genotype:");
        HWND brown = ChildWithText(sheet, "Brown if dense");
        ASSERT_NE(brown, nullptr);
        Press(brown);
        EXPECT_TRUE(WaitForInfo(sheet, "Specified genotype:", "bb DD"))
            << Info(sheet, "Specified genotype:");
        ChooseFromMenu(sheet, "Dilution", 2);
        EXPECT_TRUE(WaitForInfo(sheet, "Specified genotype:", "bb dd"))
            << Info(sheet, "Specified genotype:");
        EXPECT_TRUE(WaitForInfo(sheet, "Computed phenotype:", "Brown (dilute)"));
        ChooseFromMenu(sheet, "Dilution", -1);
        Press(brown);  // not dense now: no change
        ASSERT_TRUE(CProgramDriver::WaitUntilHandled(program.m_main));
        EXPECT_EQ(Info(sheet, "Specified genotype:"), "bb dd");
        CProgramDriver::Screenshot(sheet, "select-genotype-sheet-e2e");
        CProgramDriver::Click(sheet, IDOK);
        EXPECT_TRUE(CProgramDriver::WaitForItemText(program.m_main, FemaleGenotype,
                                                    [](const std::string& text) { return text == "bb dd"; }))
            << CProgramDriver::ItemText(program.m_main, FemaleGenotype);
    }
}

// The pairs of a genotype text as a set: commas and pair order do not count.
std::vector<std::string> PairSet(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), ','), text.end());
    std::vector<std::string> pairs;
    std::istringstream words(text);
    for (std::string word; words >> word;)
        pairs.push_back(word);
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

// Pairs that the lists do not hold, or hold with the alleles the other way
// round, come back from an untouched OK as they were typed.
TEST(SelectGenotypeGeneralCanine, UntouchedOkKeepsUnlistedPairsAndAlleleOrder)
{
    CStartedProgram program("select-keeps", {"GeneralCanine.gen"});
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(CProgramDriver::WaitUntil(Enabled, program.m_main, FemaleSelect));
    const struct
    {
        int button, edit, phenotype;
        const char* typed;
        const char* screenshot;
    } parents[] = {
        {MaleSelect, MaleGenotype, MalePhenotype, "ay,aw Em,e kbr,KB", "select-genotype-kept-male-e2e"},
        {FemaleSelect, FemaleGenotype, FemalePhenotype, "Xh,XH b,B", "select-genotype-kept-female-e2e"},
    };
    for (const auto& parent : parents)
    {
        CProgramDriver::SetItemText(program.m_main, parent.edit, parent.typed);
        ASSERT_TRUE(CProgramDriver::WaitForItemText(program.m_main, parent.phenotype,
                                                    [](const std::string& text) { return !text.empty(); }));
        const std::string phenotype = CProgramDriver::ItemText(program.m_main, parent.phenotype);
        CProgramDriver::Click(program.m_main, parent.button);
        HWND window = program.m_driver.WaitForWindow(SelectCaption);
        ASSERT_NE(window, nullptr) << parent.typed;
        CProgramDriver::Screenshot(window, parent.screenshot);
        ASSERT_TRUE(Closes(window, IDOK));
        ASSERT_TRUE(CProgramDriver::WaitUntilHandled(program.m_main));
        const std::string written = CProgramDriver::ItemText(program.m_main, parent.edit);
        EXPECT_EQ(PairSet(written), PairSet(parent.typed)) << written;
        EXPECT_TRUE(CProgramDriver::WaitForItemText(program.m_main, parent.phenotype, [&](const std::string& text) {
            return text == phenotype;
        })) << CProgramDriver::ItemText(program.m_main, parent.phenotype);
    }
    CProgramDriver::Screenshot(program.m_main, "select-genotype-kept-main-e2e");
}

bool IsGone(HWND window, int)
{
    return !::IsWindow(window);
}

bool IsOpenForTyping(HWND edit, int)
{
    return ::IsWindowEnabled(edit) != FALSE;
}

bool HasText(HWND window, const std::string& text)
{
    return CProgramDriver::WaitForItemText(::GetParent(window), ::GetDlgCtrlID(window),
                                           [&](const std::string& shown) { return shown == text; });
}

BOOL CALLBACK FindDroppedList(HWND window, LPARAM found)
{
    char name[16] = "";
    ::GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "ComboLBox" && ::IsWindowVisible(window))
        *(HWND*)found = window;
    return *(HWND*)found == NULL;
}

bool IsDroppedDown(HWND combo, int)
{
    return ::SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

// Drops the list down with a click and clicks its item.
void ChooseWithClicks(HWND combo, int item)
{
    ClickInto(combo);
    ASSERT_TRUE(CProgramDriver::WaitUntil(IsDroppedDown, combo, 0));
    HWND dropped = NULL;
    ::EnumWindows(FindDroppedList, (LPARAM)&dropped);
    ASSERT_NE(dropped, nullptr);
    RECT client;
    ::GetClientRect(dropped, &client);
    const int height = (int)::SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0);
    POINT point = {client.right / 2, height * item + height / 2};
    ::ClientToScreen(dropped, &point);
    ClickAt(point);
}

// Starts the program, types the female's genotype and opens her selection
// window with a click on Select...; null when it does not open.
HWND SelectForFemale(CStartedProgram& program, const std::string& typed)
{
    if (!program.Start() || !CProgramDriver::WaitUntil(Enabled, program.m_main, FemaleSelect))
        return NULL;
    CProgramDriver::SetItemText(program.m_main, FemaleGenotype, typed);
    ClickInto(::GetDlgItem(program.m_main, FemaleSelect));
    return program.m_driver.WaitForWindow(SelectCaption);
}

// Chooses "Other Value:", the list's last item, with clicks, and types the
// text into its edit.
void TypeOtherValue(HWND list, const std::string& text)
{
    HWND edit = ::GetWindow(list, GW_HWNDNEXT);
    ChooseWithClicks(list, (int)::SendMessageA(list, CB_GETCOUNT, 0, 0) - 1);
    ASSERT_TRUE(CProgramDriver::WaitUntil(IsOpenForTyping, edit, 0));
    ClickInto(edit);
    ASSERT_TRUE(CProgramDriver::WaitUntil(HasFocus, edit, 0));
    TypeUnicode(std::wstring(text.begin(), text.end()).c_str());
    ASSERT_TRUE(HasText(edit, text)) << CProgramDriver::Text(edit);
}

// A field whose choices are all female forms does not apply to a male: an
// untouched OK, clicked, writes no gene that he was not given.
TEST(SelectGenotypeForOneSex, AFieldOfFemaleFormsAddsNothingForAMale)
{
    CStartedProgram program("select-sex-forms", {"SelectionSexForms.gen"});
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(CProgramDriver::WaitUntil(Enabled, program.m_main, MaleSelect));
    ClickInto(::GetDlgItem(program.m_main, MaleSelect));
    HWND window = program.m_driver.WaitForWindow(SelectCaption);
    ASSERT_NE(window, nullptr);
    HWND field = FieldAfterLabel(window, "Haemophilia (females)");
    ASSERT_NE(field, nullptr);
    EXPECT_FALSE(::IsWindowEnabled(field));
    CProgramDriver::Screenshot(window, "select-genotype-female-forms-male-e2e");
    ClickInto(::GetDlgItem(window, IDOK));
    const bool closed = CProgramDriver::WaitUntil(IsGone, window, 0);
    std::string message;
    if (!closed && program.m_driver.FindMessageBox(&message) != NULL)
    {
        program.m_driver.AnswerMessageBox(IDOK);
        Closes(window, IDCANCEL);
    }
    EXPECT_TRUE(closed) << message;
    EXPECT_EQ(CProgramDriver::ItemText(program.m_main, MaleGenotype), "");
}

// An other value typed that does not read: OK gives the parser's error and
// the window stays open with the text in place; the typed genotype is kept.
TEST(SelectGenotypeForOneSex, AnOtherValueThatDoesNotReadIsRefusedAndKept)
{
    CStartedProgram program("select-other-value", {"SelectionSexForms.gen"});
    HWND window = SelectForFemale(program, "a,a");
    ASSERT_NE(window, nullptr);
    HWND list = FieldAfterLabel(window, "A locus");
    ASSERT_NE(list, nullptr);
    HWND edit = ::GetWindow(list, GW_HWNDNEXT);
    ASSERT_NO_FATAL_FAILURE(TypeOtherValue(list, "A,Q"));
    ClickInto(::GetDlgItem(window, IDOK));
    HWND box = NULL;
    const std::string message = program.m_driver.AnswerMessageBox(IDOK, 10000, &box);
    EXPECT_EQ(message.rfind("Error in genotype 'A,Q' - ", 0), 0u) << message;
    EXPECT_GT(message.size(), strlen("Error in genotype 'A,Q' - ")) << message;
    ASSERT_TRUE(::IsWindow(window)) << "the window stays open";
    EXPECT_EQ(CProgramDriver::Text(edit), "A,Q");
    CProgramDriver::Screenshot(window, "select-genotype-other-value-refused-e2e");
    ASSERT_TRUE(Closes(window, IDCANCEL));
    EXPECT_EQ(CProgramDriver::ItemText(program.m_main, FemaleGenotype), "a,a");
}

// Clicks the tab as a user does. The tab control lives in the program's
// process: it writes the tab's rectangle into memory lent there.
void ClickTab(HWND tabs, int index)
{
    DWORD id = 0;
    ::GetWindowThreadProcessId(tabs, &id);
    HANDLE process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
    ASSERT_NE(process, nullptr);
    void* lent = ::VirtualAllocEx(process, NULL, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
    RECT rect = {};
    const bool read = lent != NULL && ::SendMessageA(tabs, TCM_GETITEMRECT, index, (LPARAM)lent) != 0 &&
                      ::ReadProcessMemory(process, lent, &rect, sizeof rect, NULL);
    if (lent != NULL)
        ::VirtualFreeEx(process, lent, 0, MEM_RELEASE);
    ::CloseHandle(process);
    ASSERT_TRUE(read);
    POINT centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ::ClientToScreen(tabs, &centre);
    ClickAt(centre);
}

bool ShowsPage(HWND tabs, int index)
{
    return ::SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == index;
}

// What the page in front shows after each label, as the user reads it: the
// checked radio button, the list's item or the edit's text; "(none)" for no
// choice.
std::string PageShows(HWND sheet, const std::vector<std::string>& labels)
{
    const std::vector<Child> children = Children((HWND)::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    std::string shown;
    for (const std::string& label : labels)
    {
        size_t i = 0;
        while (i < children.size() && children[i].text != label)
            i++;
        std::string value;
        if (i + 1 < children.size() && children[i + 1].className == "Edit")
            value = children[i + 1].text;
        else if (i + 1 < children.size() && children[i + 1].className == "ComboBox")
            value = children[i + 1].text.empty() ? "(none)" : children[i + 1].text;
        else
            for (i++; i < children.size() && children[i].className == "Button" && value.empty(); i++)
                if (::SendMessageA(children[i].window, BM_GETCHECK, 0, 0) == BST_CHECKED)
                    value = children[i].text;
        shown += label + " " + (value.empty() ? "(none)" : value) + "; ";
    }
    return shown;
}

// Pages shown again with clicks on their tabs keep what their fields showed,
// typed pairs that no choice holds included. OK refused for an other value
// on the page behind shows that page with the focus on the field; mended,
// OK writes every typed pair with the new value.
TEST(SelectGenotypeOnPages, ShowingPagesAgainKeepsTheTypedPairsAndARefusalShowsItsPage)
{
    CStartedProgram program("select-pages", {"SelectionPages.gen"});
    HWND sheet = SelectForFemale(program, "A,a XH,Xh C,c");
    ASSERT_NE(sheet, nullptr);
    HWND tabs = ChildOfClass(sheet, "SysTabControl32");
    ASSERT_NE(tabs, nullptr);
    const std::vector<std::string> labels[2] = {{"A locus", "Specified genotype:"},
                                                {"Haemophilia", "C locus", "D locus", "Specified genotype:"}};
    const std::string shows[2] = {"A locus (none); Specified genotype: Aa; ",
                                  "Haemophilia (none); C locus (none); D locus (none); Specified genotype: Cc XHXh; "};
    EXPECT_EQ(PageShows(sheet, labels[0]), shows[0]);
    for (const int page : {1, 0, 1, 0})
    {
        ClickTab(tabs, page);
        ASSERT_TRUE(CProgramDriver::WaitUntil(ShowsPage, tabs, page));
        EXPECT_EQ(PageShows(sheet, labels[page]), shows[page]) << "page " << page;
    }

    ClickTab(tabs, 1);
    ASSERT_TRUE(CProgramDriver::WaitUntil(ShowsPage, tabs, 1));
    HWND list = FieldAfterLabel(sheet, "D locus");
    ASSERT_NE(list, nullptr);
    HWND edit = ::GetWindow(list, GW_HWNDNEXT);
    ASSERT_NO_FATAL_FAILURE(TypeOtherValue(list, "D,Q"));
    ClickTab(tabs, 0);
    ASSERT_TRUE(CProgramDriver::WaitUntil(ShowsPage, tabs, 0));
    ClickInto(::GetDlgItem(sheet, IDOK));
    const std::string message = program.m_driver.AnswerMessageBox(IDOK);
    EXPECT_EQ(message.rfind("Error in genotype 'D,Q' - ", 0), 0u) << message;
    EXPECT_TRUE(CProgramDriver::WaitUntil(ShowsPage, tabs, 1)) << "the page of the refused value";
    EXPECT_TRUE(CProgramDriver::WaitUntil(HasFocus, list, 0)) << "the focus on its field";
    EXPECT_EQ(PageShows(sheet, {"Haemophilia", "C locus"}), "Haemophilia (none); C locus (none); ");
    CProgramDriver::Screenshot(sheet, "select-genotype-pages-refused-e2e");

    ClickInto(edit);
    ASSERT_TRUE(CProgramDriver::WaitUntil(HasFocus, edit, 0));
    PressKey(VK_BACK);
    TypeUnicode(L"d");
    ASSERT_TRUE(HasText(edit, "D,d")) << CProgramDriver::Text(edit);
    ClickInto(::GetDlgItem(sheet, IDOK));
    EXPECT_TRUE(CProgramDriver::WaitUntil(IsGone, sheet, 0));
    EXPECT_EQ(PairSet(CProgramDriver::ItemText(program.m_main, FemaleGenotype)), PairSet("Aa XHXh Cc Dd"));
}

TEST(SelectGenotypeWithoutSelectionLines, GivesTheMessageAndOpensNothing)
{
    CStartedProgram program("select-none", {"TwoRules.gen"});
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(CProgramDriver::WaitUntil(Enabled, program.m_main, MaleSelect));
    CProgramDriver::Click(program.m_main, MaleSelect);
    const std::string message = program.m_driver.AnswerMessageBox(IDOK);
    EXPECT_NE(message.find("does not allow for the genotype"), std::string::npos) << message;
    ASSERT_TRUE(CProgramDriver::WaitUntilHandled(program.m_main));
    EXPECT_EQ(program.m_driver.FindWindowByCaption(SelectCaption), nullptr);
}
}  // namespace
