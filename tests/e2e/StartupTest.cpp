// What a whole start of the program sets up and keeps: the user's stored
// preferences, the message prompts, the picture cache limit, the lists and
// fonts it shares, and the way back from a damaged configuration file.
#include "E2eSupport.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <map>
#include <sstream>

using namespace e2e;

namespace
{
const char PreferencesKey[] = "Software\\Mirolf Technologies Ltd\\Kestrova\\Preferences";
const int ConfigurePromptsCommand = 33116, PromptList = 39913;

// Date and currency formats that no regional default gives.
const struct
{
    const char* name;
    const char* value;
} StoredFormats[] = {
    {"DataEntryDateFormat", "dd.mm.yyyy"},       {"ExportDateFormat", "yy-mm-dd"},
    {"ImportTextDateFormat", "dd-mmm-yy"},       {"OutputDateFormat", "(dd(-mmm-yyyy"},
    {"PositiveListCurrencyFormat", "X.YS#blue"}, {"NegativeOutputCurrencyFormat", "SX.Y-"},
};

std::string ReadPreference(const char* name)
{
    char value[256] = "";
    DWORD size = sizeof(value);
    if (::SHGetValueA(HKEY_CURRENT_USER, PreferencesKey, name, NULL, value, &size) != ERROR_SUCCESS)
        return "(missing)";
    return value;
}

// Sets an environment variable of this process (and so of the programs it
// starts) while it lives.
class CScopedVariable
{
public:
    CScopedVariable(const char* name, const std::string& value) : m_name(name)
    {
        ::SetEnvironmentVariableA(name, value.c_str());
    }
    ~CScopedVariable() { ::SetEnvironmentVariableA(m_name, NULL); }

private:
    const char* m_name;
};

void CloseMainWindow(CProgramDriver& driver, HWND main)
{
    CProgramDriver::Click(main, IDCANCEL);
    EXPECT_NE(driver.WaitForExit(), -1) << "the program ends";
}

// The "name=value" lines of a figures file, in their order.
std::vector<std::pair<std::string, std::string>> ReadFigureLines(const std::string& text)
{
    std::vector<std::pair<std::string, std::string>> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
    {
        const size_t equals = line.find('=');
        if (equals != std::string::npos)
            lines.emplace_back(line.substr(0, equals), line.substr(equals + 1));
    }
    return lines;
}

// A shared font as the start-up reports it: face, LOGFONT height and weight,
// measured height and weight.
struct ReportedFont
{
    std::string face;
    long height = 0, weight = 0, measuredHeight = 0, measuredWeight = 0;
};

ReportedFont ParseFont(const std::string& text)
{
    ReportedFont font;
    const size_t comma = text.find(',');
    font.face = text.substr(0, comma);
    std::sscanf(text.c_str() + comma + 1, "%ld,%ld,%ld,%ld", &font.height, &font.weight, &font.measuredHeight,
                &font.measuredWeight);
    return font;
}

const char* const SharedFontNames[] = {"SystemFont",      "GuiFont",      "FixedSystemFont",  "FixedGuiFont",
                                       "GuiBoldFont",     "GuiSmallFont", "GuiSmallBoldFont", "GuiLargeFont",
                                       "GuiLargeBoldFont", "MenuFont"};
}  // namespace

TEST(Startup, StoredDateAndCurrencyFormatsSurviveAnInstallAndARun)
{
    ::SHDeleteKeyA(HKEY_CURRENT_USER, PreferencesKey);
    for (const auto& format : StoredFormats)
        ::SHSetValueA(HKEY_CURRENT_USER, PreferencesKey, format.name, REG_SZ, format.value,
                      (DWORD)strlen(format.value) + 1);
    CProgramFolder folder("prefs", {"Labrador.gen"}, true);
    {
        CProgramDriver driver;
        ASSERT_TRUE(driver.Start(folder.Path(), "/install"));
        for (int i = 0; i < 100 && driver.IsRunning(); i++)
            driver.AnswerMessageBox(IDOK, 200);
        EXPECT_EQ(driver.WaitForExit(), 0);
        EXPECT_GT(ReadPreference("CurrencySymbol").size(), 0u) << "the install step wrote the settings";
        for (const auto& format : StoredFormats)
            EXPECT_EQ(ReadPreference(format.name), format.value) << format.name << " after /install";
    }
    CProgramDriver driver;
    HWND main = StartUntil(driver, folder, MainCaption, NULL);
    ASSERT_NE(main, nullptr);
    CloseMainWindow(driver, main);
    for (const auto& format : StoredFormats)
        EXPECT_EQ(ReadPreference(format.name), format.value) << format.name << " after a run";
    ::SHDeleteKeyA(HKEY_CURRENT_USER, PreferencesKey);
}

TEST(Startup, ConfigureMessagePromptsListsEveryPrompt)
{
    CStartedProgram program("prompts", {"Labrador.gen"});
    ASSERT_TRUE(program.Start());
    ::PostMessageA(program.m_main, WM_COMMAND, ConfigurePromptsCommand, 0);
    HWND dialog = program.m_driver.WaitForWindow("Configure Message Prompts");
    ASSERT_NE(dialog, nullptr);
    HWND list = ::GetDlgItem(dialog, PromptList);
    std::vector<std::string> names;
    for (int i = 0; i < (int)::SendMessageA(list, LB_GETCOUNT, 0, 0); i++)
    {
        // Between processes the item text comes whole only in wide characters.
        wchar_t wide[256] = L"";
        ::SendMessageW(list, LB_GETTEXT, i, (LPARAM)wide);
        names.push_back(std::string(wide, wide + wcslen(wide)));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Backup Reminder", "Display Help Prompt", "Display Size Warning",
                                               "Empty Import Error Message", "Save settings prompt"}));
    CProgramDriver::Screenshot(dialog, "configure-message-prompts");
    CProgramDriver::Click(dialog, IDCANCEL);
    CloseMainWindow(program.m_driver, program.m_main);
}

// The limit is a quarter of the memory, at least 8 MB; the program reports
// what its start made of the memory figure it was given.
TEST(Startup, ThePictureCacheLimitFollowsTheMemoryFigure)
{
    const struct
    {
        const char* memoryMB;
        const char* limit;
    } cases[] = {{"24", "8388608"}, {"3000", "786432000"}};
    for (const auto& c : cases)
    {
        CScopedVariable memory("KESTROVA_TEST_MEMORY_MB", c.memoryMB);
        CStartedProgram program("memory", {"Labrador.gen"});
        ASSERT_TRUE(program.Start());
        EXPECT_EQ(program.m_folder.ReadFile("StartupFigures.txt"),
                  std::string("PhysicalMemoryMB=") + c.memoryMB + "\nPictureCacheLimit=" + c.limit + "\n");
        CloseMainWindow(program.m_driver, program.m_main);
    }
}

TEST(Startup, StartUpMakesTheSharedListsAndFonts)
{
    CScopedVariable memory("KESTROVA_TEST_MEMORY_MB", "512");
    CStartedProgram program("lists", {"Labrador.gen"});
    ASSERT_TRUE(program.Start());
    std::map<std::string, std::string> lists;
    std::vector<std::string> fontNames;
    std::map<std::string, ReportedFont> fonts;
    for (const auto& line : ReadFigureLines(program.m_folder.ReadFile("StartupLists.txt")))
    {
        if (line.first.size() > 4 && line.first.compare(line.first.size() - 4, 4, "Font") == 0)
        {
            fontNames.push_back(line.first);
            fonts[line.first] = ParseFont(line.second);
        }
        else
            lists[line.first] = line.second;
    }
    CloseMainWindow(program.m_driver, program.m_main);

    const struct
    {
        const char *name, *items;
    } expected[] = {
        {"FalseTrue.words", "False|True"},
        {"FalseTrue.codedOrUnknown", ""},
        {"NoYes.coded", "No,N|Yes,Y"},
        {"FemaleMale.wordsOrThird", "Female|Male|Unknown"},
        {"FemalesMales.codedOrUnknown", "Females,F|Males,M|Unknown,U"},
        {"FemaleMaleAnimal.coded", "Female,F|Male,M"},
        {"FemaleMaleAnimal.wordsOrEither", "Female|Male|Either"},
        {"FemalesMalesAnimals.wordsOrBoth", "Females|Males|Both"},
        {"NeuterEntire.codedOrUnknown", "Neuter,N|Entire,E|Unknown,U"},
        {"NeuterEntire.wordsOrEither", ""},
        {"Titles", "Mr|Mrs|Ms|Miss|Lady|Mr & Mrs|Dr & Mrs|Mr & Dr|Messrs|Misses|Mr and Mrs|Sir|Dr|Prof.|Rev.|"
                   "Professor|Reverend|Captain|Lord"},
    };
    for (const auto& list : expected)
        EXPECT_EQ(lists[list.name], list.items) << list.name;
    // No term gives the country list: each country's term stands in (here as its bare name).
    const std::string& countries = lists["Countries"];
    EXPECT_EQ(countries.compare(0, 29, "Country_Mexico|Country_NewZea"), 0) << countries;
    EXPECT_EQ(std::count(countries.begin(), countries.end(), '|'), 29) << countries;

    EXPECT_EQ(fontNames, std::vector<std::string>(std::begin(SharedFontNames), std::end(SharedFontNames)));
    const ReportedFont &gui = fonts["GuiFont"], &small = fonts["GuiSmallFont"], &large = fonts["GuiLargeFont"];
    EXPECT_EQ(small.height, gui.height * 9 / 10);
    EXPECT_EQ(large.height, gui.height * 12 / 10);
    EXPECT_EQ(fonts["FixedGuiFont"].height, gui.height);
    EXPECT_EQ(fonts["FixedSystemFont"].height, fonts["SystemFont"].height);
    for (const char* fixed : {"FixedGuiFont", "FixedSystemFont"})
        EXPECT_EQ(fonts[fixed].face, "Courier New") << fixed;
    // Each font is measured itself: the heights follow the sizes and the
    // weights the bold ones.
    EXPECT_LT(small.measuredHeight, gui.measuredHeight);
    EXPECT_LT(gui.measuredHeight, large.measuredHeight);
    for (const char* name : SharedFontNames)
    {
        const bool bold = std::string(name).find("Bold") != std::string::npos;
        EXPECT_GT(fonts[name].measuredHeight, 0) << name;
        if (std::string(name).find("Gui") == 0)
        {
            EXPECT_EQ(fonts[name].measuredWeight >= 700, bold) << name << " weighs " << fonts[name].measuredWeight;
        }
    }
}

TEST(Startup, ADamagedConfigurationSaysHowToRecoverAndConfigureRecovers)
{
    CProgramFolder folder("damaged", {"Labrador.gen", "GreatDane.gen"}, true);
    {
        FILE* file = std::fopen((folder / "Genetics.Gen").c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fputs("not a sealed configuration", file);
        std::fclose(file);
    }
    CProgramDriver driver;
    ASSERT_TRUE(driver.Start(folder.Path()));
    std::string text;
    HWND box = NULL;
    // The messages before it (the help question, a printer warning) are answered.
    for (int i = 0; i < 2000; i++, ::Sleep(5))
    {
        box = driver.FindMessageBox(&text);
        if (box != NULL && text.find("Failed to read") != std::string::npos)
            break;
        if (box != NULL)
            driver.AnswerMessageBox(text.find(HelpQuestion) != std::string::npos ? IDNO : IDOK, 1000);
        box = NULL;
    }
    ASSERT_NE(box, nullptr) << "no load error shown";
    CProgramDriver::Screenshot(box, "damaged-configuration-message");
    EXPECT_NE(text.find("Failed to read from"), std::string::npos) << text;
    EXPECT_NE(text.find("Genetics.Gen."), std::string::npos) << text;
    EXPECT_NE(text.find("Click Configure... in the main window to install a standard genetics configuration"),
              std::string::npos)
        << text;
    driver.AnswerMessageBox(IDOK, 1000);
    HWND main = AnswerUntil(driver, MainCaption, NULL);
    ASSERT_NE(main, nullptr);

    CProgramDriver::Click(main, Configure);
    HWND list = driver.WaitForWindow(ListCaption);
    ASSERT_NE(list, nullptr);
    ::SendMessageA(::GetDlgItem(list, ConfigList), LB_SELECTSTRING, (WPARAM)-1, (LPARAM) "Labrador");
    CProgramDriver::Click(list, IDOK);
    ASSERT_TRUE(CloseWindow(driver, "Genetics Configuration Notes - Labrador"));
    CProgramDriver::TypeInto(main, FemaleGenotype, "ee");
    EXPECT_TRUE(CProgramDriver::WaitForItemText(main, FemalePhenotype, [](const std::string& t) {
        return t.find("Yellow") != std::string::npos;
    })) << "the installed configuration works";
    CloseMainWindow(driver, main);
}
