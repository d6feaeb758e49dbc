// Configure... installs another configuration and shows its notes; a failed
// installation keeps the old one; /install writes the settings and ends.
#include "E2eSupport.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

using namespace e2e;

namespace
{
class Configure : public ::testing::Test, protected CStartedProgram
{
protected:
    Configure() : CStartedProgram("configure", {"Labrador.gen", "GreatDane.gen"}) {}

    void SetUp() override
    {
        ASSERT_TRUE(Start());
        CProgramDriver::TypeInto(m_main, FemaleGenotype, "ee");
        ASSERT_TRUE(CProgramDriver::WaitForItemText(m_main, FemalePhenotype, [](const std::string& t) {
            return t.find("Yellow") != std::string::npos;
        }));
    }

    // Opens the list and selects the configuration of that name.
    HWND OpenListAt(const char* name)
    {
        CProgramDriver::Click(m_main, e2e::Configure);
        HWND list = m_driver.WaitForWindow(ListCaption);
        if (list != NULL)
            ::SendMessageA(::GetDlgItem(list, ConfigList), LB_SELECTSTRING, (WPARAM)-1, (LPARAM)name);
        return list;
    }

};

TEST_F(Configure, InstallsAnotherConfigurationShowsItsNotesAndRefreshes)
{
    CProgramDriver::TypeInto(m_main, MaleGenotype, "ee");
    CProgramDriver::Click(m_main, Predict);
    ASSERT_TRUE(CProgramDriver::WaitForItemText(m_main, ReportText, [](const std::string& t) { return !t.empty(); }));
    HWND list = OpenListAt("GreatDane");
    ASSERT_NE(list, nullptr);
    CProgramDriver::Screenshot(list, "configuration-list");
    CProgramDriver::Click(list, IDOK);
    HWND notes = m_driver.WaitForWindow("Genetics Configuration Notes - GreatDane");
    ASSERT_NE(notes, nullptr);
    EXPECT_NE(CProgramDriver::ItemText(notes, ReportText).find("Dane"), std::string::npos);
    ASSERT_TRUE(CloseWindow(m_driver, "Genetics Configuration Notes - GreatDane"));
    EXPECT_EQ(m_folder.ReadFile("Genetics.Gen"), m_folder.ReadFile("Configurations\\GreatDane.gen"));
    EXPECT_TRUE(CProgramDriver::WaitForItemText(m_main, ReportText, [](const std::string& t) { return t.empty(); }))
        << "the old report is cleared";
    EXPECT_EQ(CProgramDriver::ItemText(m_main, FemaleGenotype), "ee") << "the genotypes stay as typed";
    EXPECT_EQ(CProgramDriver::ItemText(m_main, FemalePhenotype).find("Yellow"), std::string::npos)
        << "recomputed against the Great Dane";
}

TEST_F(Configure, FailedInstallationKeepsTheOldConfiguration)
{
    const std::string installed = m_folder.ReadFile("Genetics.Gen");
    const std::string phenotype = CProgramDriver::ItemText(m_main, FemalePhenotype);
    for (int failure = 0; failure < 2; failure++)
    {
        HWND list = OpenListAt("GreatDane");
        ASSERT_NE(list, nullptr);
        HANDLE lock = INVALID_HANDLE_VALUE;
        const std::string source = m_folder / "Configurations\\GreatDane.gen";
        const std::string kept = m_folder.ReadFile("Configurations\\GreatDane.gen");
        if (failure == 0)
            ::DeleteFileA(source.c_str());  // the source vanished after the list was made
        else
            lock = ::CreateFileA((m_folder / "Genetics.Gen").c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
        CProgramDriver::Click(list, IDOK);
        const std::string message = m_driver.AnswerMessageBox(IDOK);
        EXPECT_FALSE(message.empty()) << "the failure is reported";
        if (lock != INVALID_HANDLE_VALUE)
            ::CloseHandle(lock);
        EXPECT_TRUE(::IsWindowVisible(list)) << "the list stays open";
        CProgramDriver::Click(list, IDCANCEL);
        for (int i = 0; i < 200 && ::IsWindowVisible(list); i++)
            ::Sleep(5);
        EXPECT_EQ(m_folder.ReadFile("Genetics.Gen"), installed);
        EXPECT_EQ(CProgramDriver::ItemText(m_main, FemalePhenotype), phenotype) << "still the Labrador";
        std::string further;
        EXPECT_EQ(m_driver.FindMessageBox(&further), nullptr) << "no further message: " << further;
        if (failure == 0)
        {
            FILE* file = std::fopen(source.c_str(), "wb");
            std::fwrite(kept.data(), 1, kept.size(), file);
            std::fclose(file);
        }
    }
}

TEST(Install, WritesTheSettingsAndEndsWithoutAMainWindow)
{
    const char preferences[] = "Software\\Mirolf Technologies Ltd\\Kestrova\\Preferences";
    ::SHDeleteKeyA(HKEY_CURRENT_USER, preferences);
    CProgramFolder folder("install", {"Labrador.gen"}, true);
    CProgramDriver driver;
    ASSERT_TRUE(driver.Start(folder.Path(), "/install"));
    std::vector<std::string> messages = driver.AnswerAllMessageBoxes(IDOK, 4000);
    EXPECT_EQ(driver.WaitForExit(), 0);
    EXPECT_TRUE(Contains(messages, "Kestrova for Vodi 2")) << (messages.empty() ? "" : messages.front());
    EXPECT_FALSE(Contains(messages, NoPrinter)) << "the install step does not look for a printer";
    EXPECT_EQ(driver.FindWindowByCaption(MainCaption), nullptr);
    // Every preference was written, so the key holds them all.
    DWORD count = 0;
    HKEY key = NULL;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, preferences, 0, KEY_READ, &key), ERROR_SUCCESS);
    ::RegQueryInfoKeyA(key, NULL, NULL, NULL, NULL, NULL, NULL, &count, NULL, NULL, NULL, NULL);
    ::RegCloseKey(key);
    EXPECT_GE(count, 30u);
}

TEST(Printer, WithoutAPrinterExactlyOneMessageAppears)
{
    CProgramFolder folder("printer", {"Labrador.gen", "GreatDane.gen"}, true);
    CProgramDriver driver;
    std::vector<std::string> messages;
    HWND main = StartUntil(driver, folder, MainCaption, &messages);
    ASSERT_NE(main, nullptr);
    CProgramDriver::Click(main, Notes);
    ASSERT_NE(AnswerUntil(driver, "Genetics Configuration Notes", &messages), nullptr);
    ASSERT_TRUE(CloseWindow(driver, "Genetics Configuration Notes"));
    CProgramDriver::TypeInto(main, FemaleGenotype, "Bb");
    CProgramDriver::Click(main, Predict);
    for (const std::string& text : driver.AnswerAllMessageBoxes(IDOK, 1500))
        messages.push_back(text);
    EXPECT_EQ(CountContaining(messages, NoPrinter), 1);
    EXPECT_EQ(CountContaining(messages, "printer"), 1) << "no other printer message";
}

TEST(FatalError, ADeliberateFaultWritesOneLogEntry)
{
    const std::string folder = BuildFolder() + "\\tests\\e2e";
    const std::string log = folder + "\\fault_probe.err";
    ::DeleteFileA(log.c_str());
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::string command = "\"" + folder + "\\fault_probe.exe\"";
    ASSERT_TRUE(::CreateProcessA(NULL, &command[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process));
    // The report box belongs to the probe: find it by its title.
    HWND box = NULL;
    for (int i = 0; i < 1000 && box == NULL; i++, ::Sleep(10))
        box = ::FindWindowA("#32770", "Fatal Application Error");
    ASSERT_NE(box, nullptr);
    char text[4096] = "";
    ::GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
    EXPECT_EQ(std::string(text).rfind("fault_probe.exe caused a EXCEPTION_INT_DIVIDE_BY_ZERO at ", 0), 0u) << text;
    EXPECT_NE(std::string(text).find("EAX="), std::string::npos);
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(::WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
    ::CloseHandle(process.hProcess);
    ::CloseHandle(process.hThread);
    FILE* file = std::fopen(log.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    std::string contents(65536, '\0');
    contents.resize(std::fread(&contents[0], 1, contents.size(), file));
    std::fclose(file);
    EXPECT_EQ(contents.rfind("\r\nAt ", 0), 0u);
    EXPECT_EQ(contents.find("\r\nAt ", 2), std::string::npos) << "one entry";
    EXPECT_NE(contents.find("fault_probe v2.03 Built On: May 05 06:30:02 2005:\r\nfault_probe.exe caused a "),
              std::string::npos)
        << contents;
}
}  // namespace
