// The main window as a breeder uses it: typing genotypes, the assumed
// alleles, Predict Mating and its report, Notes..., About, Enter, Escape and
// Delete, letters beyond ASCII, and the buttons a configuration without
// rules leaves disabled.
#include "E2eSupport.h"
#include "RealInput.h"

#include <commctrl.h>
#include <gtest/gtest.h>

using namespace e2e;

namespace
{
bool Enabled(HWND dialog, int id)
{
    return CProgramDriver::IsItemEnabled(dialog, id);
}
bool Disabled(HWND dialog, int id)
{
    return !CProgramDriver::IsItemEnabled(dialog, id);
}

class MainWindow : public ::testing::Test, protected CStartedProgram
{
protected:
    MainWindow() : CStartedProgram("main", {"Labrador.gen", "GreatDane.gen"}) {}

    void SetUp() override
    {
        ASSERT_TRUE(Start());
    }

    void Type(int id, const std::string& text)
    {
        CProgramDriver::SetItemText(m_main, id, "");
        CProgramDriver::TypeInto(m_main, id, text);
    }

    std::string Output(int id) { return CProgramDriver::ItemText(m_main, id); }
};

TEST_F(MainWindow, DeleteRemovesTheCharacterAfterTheCaret)
{
    for (int id : {FemaleGenotype, MaleGenotype})
    {
        Type(id, "Bbx");
        HWND edit = ::GetDlgItem(m_main, id);
        ClickInto(edit);
        ASSERT_TRUE(CProgramDriver::WaitUntil(HasFocus, edit, 0));
        ::SendMessageA(edit, EM_SETSEL, 1, 1);
        PressKey(VK_DELETE);
        EXPECT_TRUE(CProgramDriver::WaitForItemText(m_main, id, [](const std::string& t) { return t == "Bx"; }))
            << CProgramDriver::ItemText(m_main, id);
    }
    EXPECT_TRUE(m_driver.IsRunning());
}

// Windows-1252 letters stay as typed or set, in the field and in the error
// that names the text.
TEST_F(MainWindow, LettersBeyondAsciiStayAsTyped)
{
    const std::string typed = "\xE4t";
    CProgramDriver::SetItemText(m_main, FemaleGenotype, "");
    HWND edit = ::GetDlgItem(m_main, FemaleGenotype);
    ClickInto(edit);
    ASSERT_TRUE(CProgramDriver::WaitUntil(HasFocus, edit, 0));
    TypeUnicode(L"\u00E4t");
    EXPECT_TRUE(CProgramDriver::WaitForItemText(m_main, FemaleGenotype, [&typed](const std::string& t) {
        return t == typed;
    })) << CProgramDriver::ItemText(m_main, FemaleGenotype);
    EXPECT_TRUE(CProgramDriver::WaitForItemText(m_main, FemalePhenotype, [&typed](const std::string& t) {
        return t.find("'" + typed + "'") != std::string::npos;
    })) << Output(FemalePhenotype);

    const std::string set = "\xC9\xE9 \xDF";
    CProgramDriver::SetItemText(m_main, MaleGenotype, set);
    EXPECT_EQ(CProgramDriver::ItemText(m_main, MaleGenotype), set);
    EXPECT_TRUE(CProgramDriver::WaitForItemText(m_main, MalePhenotype, [](const std::string& t) {
        return t.find("\xC9\xE9") != std::string::npos;
    })) << Output(MalePhenotype);
    CProgramDriver::Screenshot(m_main, "main-dialog-letters-beyond-ascii");
}

TEST_F(MainWindow, PhenotypesFollowTheTypingAndPredictWaitsForTwoValidParents)
{
    struct Step
    {
        int edit;
        const char* text;
        int output;
        const char* shows;  // part of the output; "" for an empty output
        bool predict;
    } steps[] = {
        {FemaleGenotype, "Ee Bb", FemalePhenotype, "Computed phenotype:\r\nBlack", true},
        {MaleGenotype, "ee", MalePhenotype, "Yellow", true},
        {MaleGenotype, "ee Qq", MalePhenotype, "** Error: ", false},
        {MaleGenotype, "", MalePhenotype, "Computed phenotype:", true},
        {FemaleGenotype, "E", FemalePhenotype, "** Error: ", false},
    };
    for (const Step& step : steps)
    {
        Type(step.edit, step.text);
        const std::string output = Output(step.output);
        EXPECT_NE(output.find(step.shows), std::string::npos) << step.text << " gave " << output;
        if (std::string(step.shows).rfind("** Error: ", 0) == 0)
        {
            EXPECT_EQ(output.substr(output.size() - 3), " **") << "the error line stands alone";
        }
        EXPECT_TRUE(CProgramDriver::WaitUntil(step.predict ? Enabled : Disabled, m_main, Predict)) << step.text;
        if (step.edit == MaleGenotype && !step.predict)
            CProgramDriver::Screenshot(m_main, "main-dialog-invalid-genotype");
    }
}

TEST_F(MainWindow, ShowAssumedGenotypesAddsTheCompletedGenotype)
{
    Type(FemaleGenotype, "ee");
    EXPECT_EQ(Output(FemalePhenotype).find("Assumed"), std::string::npos);
    CProgramDriver::Click(m_main, ShowAssumed);
    ::SendMessageA(::GetDlgItem(m_main, ShowAssumed), BM_SETCHECK, BST_CHECKED, 0);
    CProgramDriver::Click(m_main, ShowAssumed);
    EXPECT_TRUE(CProgramDriver::WaitForItemText(m_main, FemalePhenotype, [](const std::string& t) {
        return t.find("\r\n\r\nAssumed genotype:\r\n") != std::string::npos;
    })) << Output(FemalePhenotype);
    EXPECT_NE(Output(MalePhenotype).find("Assumed genotype:"), std::string::npos) << "both parents recomputed";
    CProgramDriver::Screenshot(m_main, "main-dialog-assumed");
}

TEST_F(MainWindow, EnterInAGenotypeKeepsTheWindowAndEscapeCloses)
{
    Type(FemaleGenotype, "Bb");
    HWND edit = ::GetDlgItem(m_main, FemaleGenotype);
    ::PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
    ::PostMessageA(edit, WM_KEYUP, VK_RETURN, 0xC0000001);
    EXPECT_TRUE(CProgramDriver::WaitUntilHandled(m_main)) << "the window stays";
    EXPECT_TRUE(m_driver.IsRunning());
    EXPECT_EQ(CProgramDriver::ItemText(m_main, FemaleGenotype), "Bb");
    ::PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_NE(m_driver.WaitForExit(), -1) << "the program ends";
}

TEST_F(MainWindow, NotesAndAboutOpenAndClose)
{
    ASSERT_TRUE(CProgramDriver::WaitUntil(Enabled, m_main, Notes));
    CProgramDriver::Click(m_main, Notes);
    HWND notes = m_driver.WaitForWindow("Genetics Configuration Notes");
    ASSERT_NE(notes, nullptr);
    EXPECT_NE(CProgramDriver::ItemText(notes, ReportText).find("Labrador"), std::string::npos);
    EXPECT_EQ(CProgramDriver::ItemText(notes, IDOK), "&Close");
    EXPECT_FALSE(CProgramDriver::IsItemVisible(notes, CopyButton));
    CProgramDriver::Screenshot(notes, "notes-viewer");
    ASSERT_TRUE(CloseWindow(m_driver, "Genetics Configuration Notes"));

    // The system menu's About entry; the low four bits of the id do not count.
    ::PostMessageA(m_main, WM_SYSCOMMAND, 16 | 3, 0);
    HWND about = NULL;
    for (const DWORD end = ::GetTickCount() + 20000; about == NULL && (LONG)(end - ::GetTickCount()) > 0; ::Sleep(10))
    {
        for (HWND window : m_driver.Windows())
        {
            // Untitled tool tips of the main window may be listed too.
            char className[32] = "";
            ::GetClassNameA(window, className, sizeof className);
            if (window != m_main && ::GetWindowTextLengthA(window) == 0 && ::IsWindowVisible(window) &&
                lstrcmpiA(className, TOOLTIPS_CLASSA) != 0)
                about = window;
        }
    }
    ASSERT_NE(about, nullptr) << "the About window opens";
    CProgramDriver::Screenshot(about, "about");
    ::PostMessageA(about, WM_CHAR, VK_ESCAPE, 1);
    EXPECT_TRUE(CProgramDriver::WaitUntil([](HWND window, int) { return ::IsWindowVisible(window) == FALSE; }, about,
                                          0, 20000))
        << "Escape closes the About window";
    EXPECT_TRUE(CProgramDriver::WaitUntil([](HWND main, int) { return ::IsWindowEnabled(main) != FALSE; }, m_main, 0))
        << "the main window takes input again";
}

// A configuration without rules offers nothing to select or read: Select...
// is disabled beside each parent, as Notes... is, and Configure... stays.
TEST(MainWindowWithoutRules, SelectAndNotesAreDisabled)
{
    CStartedProgram program("norules", {"GenesOnly.gen"});
    ASSERT_TRUE(program.Start());
    EXPECT_TRUE(CProgramDriver::WaitUntil(Enabled, program.m_main, Configure));
    for (int id : {FemaleSelect, MaleSelect, Notes})
        EXPECT_TRUE(CProgramDriver::WaitUntil(Disabled, program.m_main, id)) << id;
}
}  // namespace
