// Configure... installs another configuration and shows its notes; a failed
// installation keeps the old one; /install writes the settings and ends.
#include "E2eSupport.h"
#include "support/MouseInput.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <cstdio>

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

// A real double click with the mouse, as the platform delivers it to the list.
void DoubleClickItem(HWND list, const char* name)
{
    const int index = (int)::SendMessageA(list, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)name);
    const int height = (int)::SendMessageA(list, LB_GETITEMHEIGHT, index, 0);
    const int top = (int)::SendMessageA(list, LB_GETTOPINDEX, 0, 0);
    POINT point = {10, (index - top) * height + height / 2};
    ::ClientToScreen(list, &point);
    ::SetForegroundWindow(::GetAncestor(list, GA_ROOT));
    SendClicksAt(point, 2);
}

TEST_F(Configure, DoubleClickingAConfigurationInstallsItLikeOK)
{
    HWND list = OpenListAt("Labrador");
    ASSERT_NE(list, nullptr);
    DoubleClickItem(::GetDlgItem(list, ConfigList), "GreatDane");
    HWND notes = m_driver.WaitForWindow("Genetics Configuration Notes - GreatDane");
    ASSERT_NE(notes, nullptr) << "the double click installs the configuration under it";
    EXPECT_NE(CProgramDriver::ItemText(notes, ReportText).find("Dane"), std::string::npos);
    ASSERT_TRUE(CloseWindow(m_driver, "Genetics Configuration Notes - GreatDane"));
    EXPECT_TRUE(CProgramDriver::WaitUntil([](HWND window, int) { return !::IsWindowVisible(window); }, list, 0))
        << "the list closes as with OK";
    EXPECT_EQ(m_folder.ReadFile("Genetics.Gen"), m_folder.ReadFile("Configurations\\GreatDane.gen"));
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

namespace
{
void WriteWholeFile(const std::string& path, const std::string& contents)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    std::fwrite(contents.data(), 1, contents.size(), file);
    std::fclose(file);
}

// Waits for the program's message box, saves its picture under the name
// (when one is given), answers it with OK and returns its text.
std::string PictureAndAnswerMessage(CProgramDriver& driver, const char* picture)
{
    for (int i = 0; i < 2000 && driver.FindMessageBox(NULL) == NULL; i++)
        ::Sleep(5);
    HWND box = driver.FindMessageBox(NULL);
    if (box != NULL && picture != nullptr)
        CProgramDriver::Screenshot(box, picture);
    return driver.AnswerMessageBox(IDOK);
}

bool AnyTemporaryFileIn(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder + "\\*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    ::FindClose(search);
    return true;
}
}  // namespace

// The standard configuration changed on disk after the list was made: what
// no longer reads is refused once, by its name, and the installed one stays.
TEST_F(Configure, AConfigurationThatNoLongerReadsKeepsTheInstalledOne)
{
    const std::string installed = m_folder.ReadFile("Genetics.Gen");
    const std::string phenotype = CProgramDriver::ItemText(m_main, FemalePhenotype);
    const std::string standard = m_folder.ReadFile("Configurations\\GreatDane.gen");
    const std::string source = m_folder / "Configurations\\GreatDane.gen";
    const std::string unreadable = "Failed to read from standard genetics configuration file " + source + ".";
    const struct
    {
        const char* change;
        std::string contents;  // written over the standard configuration, or
        std::string copied;    // the file copied over it
        std::string message;
        const char* picture;
    } changes[] = {
        {"cut", standard.substr(0, standard.size() / 2), "", unreadable, "configure-unreadable"},
        {"not sealed", "desc A plain text\n[genes Test]\ngene B B, b\n", "", unreadable, nullptr},
        {"an error inside", "", BuildFolder() + "\\e2e_configurations\\WithAnError.gen",
         "Error in standard genetic configuration 'GreatDane.gen', line 8, unknown gene 'Q'", "configure-error-inside"},
    };
    for (const auto& c : changes)
    {
        HWND list = OpenListAt("GreatDane");
        ASSERT_NE(list, nullptr);
        if (c.copied.empty())
            WriteWholeFile(source, c.contents);
        else
            ASSERT_TRUE(::CopyFileA(c.copied.c_str(), source.c_str(), FALSE)) << c.copied;
        CProgramDriver::Click(list, IDOK);
        const std::string message = PictureAndAnswerMessage(m_driver, c.picture);
        EXPECT_NE(message.find(c.message), std::string::npos) << c.change << ": " << message;
        EXPECT_TRUE(m_driver.AnswerAllMessageBoxes(IDOK, 1000).empty()) << c.change << ": the error shows once";
        EXPECT_EQ(m_driver.FindWindowByCaption("Genetics Configuration Notes - GreatDane"), nullptr) << c.change;
        EXPECT_TRUE(::IsWindowVisible(list)) << c.change << ": the list stays open";
        ASSERT_TRUE(CloseWindow(m_driver, ListCaption, IDCANCEL));
        EXPECT_TRUE(m_folder.ReadFile("Genetics.Gen") == installed) << c.change << ": Genetics.Gen is kept";
        EXPECT_FALSE(AnyTemporaryFileIn(m_folder.Path())) << c.change;
        EXPECT_EQ(CProgramDriver::ItemText(m_main, FemalePhenotype), phenotype) << c.change << ": still the Labrador";
        CProgramDriver::Click(m_main, Notes);
        EXPECT_TRUE(CloseWindow(m_driver, "Genetics Configuration Notes")) << c.change << ": the notes still open";
        WriteWholeFile(source, standard);
    }
}

// Files of the Configurations folder that cannot be used are left out of the
// list, and one message says which and why, without sending the user to the
// Configure... button that opened the list.
TEST_F(Configure, SkippedConfigurationsAreNamedInOneMessage)
{
    const std::string standard = m_folder.ReadFile("Configurations\\GreatDane.gen");
    WriteWholeFile(m_folder / "Configurations\\Cut.gen", standard.substr(0, standard.size() / 2));
    ASSERT_TRUE(::CopyFileA((BuildFolder() + "\\e2e_configurations\\WithAnError.gen").c_str(),
                            (m_folder / "Configurations\\Broken.gen").c_str(), FALSE));
    CProgramDriver::Click(m_main, e2e::Configure);
    const std::string message = PictureAndAnswerMessage(m_driver, "configure-skipped-files");
    EXPECT_NE(message.find("2 standard genetics configurations are skipped and not listed"), std::string::npos)
        << message;
    EXPECT_NE(message.find("Failed to read from standard genetics configuration file " +
                           (m_folder / "Configurations\\Cut.gen") + "."),
              std::string::npos)
        << message;
    EXPECT_NE(message.find("Error in standard genetic configuration 'Broken.gen', line 8, unknown gene 'Q'."),
              std::string::npos)
        << message;
    EXPECT_EQ(message.find("Click Configure"), std::string::npos) << message;
    EXPECT_TRUE(m_driver.AnswerAllMessageBoxes(IDOK, 1000).empty()) << "one message for both files";
    HWND list = m_driver.WaitForWindow(ListCaption);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(::SendDlgItemMessageA(list, ConfigList, LB_GETCOUNT, 0, 0), 2) << "the two good ones are listed";
    ASSERT_TRUE(CloseWindow(m_driver, ListCaption, IDCANCEL));
}

namespace
{
bool IsWritable(const std::string& folder)
{
    HANDLE probe = ::CreateFileA((folder + "\\writable.probe").c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW,
                                 FILE_FLAG_DELETE_ON_CLOSE, NULL);
    if (probe == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(probe);
    return true;
}

// Runs chattr on the folder, so that not even root may make, rename or delete
// files in it: the tests run as root, for whom permissions do not count. Wine
// starts a program that is no Windows program as a program of the host, but
// its handle can neither be waited for nor asked its exit code: the folder is
// watched instead. TRUE when the folder became as wanted.
bool SetImmutable(const std::string& folder, bool immutable)
{
    typedef char*(CDECL * UnixName)(LPCWSTR);
    const UnixName toUnix = (UnixName)::GetProcAddress(::GetModuleHandleA("kernel32"), "wine_get_unix_file_name");
    if (toUnix == NULL)
        return false;
    wchar_t wide[MAX_PATH];
    ::MultiByteToWideChar(CP_ACP, 0, folder.c_str(), -1, wide, MAX_PATH);
    char* unixPath = toUnix(wide);
    if (unixPath == NULL)
        return false;
    std::string command = std::string("chattr ") + (immutable ? "+i" : "-i") + " \"" + unixPath + "\"";
    ::HeapFree(::GetProcessHeap(), 0, unixPath);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessA("Z:\\usr\\bin\\chattr", &command[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup,
                          &process))
        return false;
    ::CloseHandle(process.hProcess);
    ::CloseHandle(process.hThread);
    for (int i = 0; i < 500 && IsWritable(folder) == immutable; i++)
        ::Sleep(10);
    return IsWritable(folder) != immutable;
}

// A folder that nobody may write to while the guard lives.
class CUnwritableFolder
{
public:
    explicit CUnwritableFolder(const std::string& folder) : m_folder(folder), m_set(SetImmutable(folder, true)) {}
    ~CUnwritableFolder()
    {
        if (m_set)
            SetImmutable(m_folder, false);
    }
    bool IsSet() const { return m_set; }

private:
    std::string m_folder;
    bool m_set;
};
}  // namespace

TEST_F(Configure, AProgramFolderThatCannotBeWrittenIsNamed)
{
    const std::string installed = m_folder.ReadFile("Genetics.Gen");
    HWND list = OpenListAt("GreatDane");
    ASSERT_NE(list, nullptr);
    std::string message;
    {
        CUnwritableFolder unwritable(m_folder.Path());
        ASSERT_TRUE(unwritable.IsSet());
        CProgramDriver::Click(list, IDOK);
        message = PictureAndAnswerMessage(m_driver, "configure-unwritable-folder");
    }
    EXPECT_NE(message.find("the program folder " + m_folder.Path() + " cannot be written"), std::string::npos)
        << message;
    EXPECT_NE(message.find("Genetics.Gen"), std::string::npos) << message;
    EXPECT_EQ(message.find(".tmp"), std::string::npos) << "no temporary file is named: " << message;
    EXPECT_TRUE(m_driver.AnswerAllMessageBoxes(IDOK, 500).empty());
    EXPECT_TRUE(::IsWindowVisible(list)) << "the list stays open";
    ASSERT_TRUE(CloseWindow(m_driver, ListCaption, IDCANCEL));
    EXPECT_EQ(m_folder.ReadFile("Genetics.Gen"), installed);
}

namespace
{
// The program's visible window of that caption, looked for without sending
// the program a message (the platform reads another process's caption
// itself): a program busy for minutes must fail the test, not hold it up.
HWND WaitForCaption(const CProgramDriver& driver, const std::string& caption, DWORD milliseconds)
{
    const DWORD end = ::GetTickCount() + milliseconds;
    do
    {
        for (HWND window : driver.Windows())
        {
            char text[256] = "";
            ::GetWindowTextA(window, text, sizeof(text));
            if (caption == text)
                return window;
        }
        ::Sleep(5);
    } while ((LONG)(end - ::GetTickCount()) > 0);
    return NULL;
}
}  // namespace

// Notes of a megabyte, most of it one paragraph, open within seconds (the
// program spends under two seconds of processor time on them); the
// paragraphs that empty notes lines end are kept; the viewer's edit control
// has no line of its own to wrap.
TEST(Notes, AMegabyteOfNotesOpensWithinSecondsAndKeepsItsParagraphs)
{
    CProgramFolder folder("longnotes", {"LongNotes.gen"}, true);
    CProgramDriver driver;
    std::vector<std::string> messages;
    HWND main = StartUntil(driver, folder, MainCaption, &messages);
    ASSERT_NE(main, nullptr);
    const DWORD start = ::GetTickCount();
    const unsigned startCpu = driver.CpuMilliseconds();
    CProgramDriver::Click(main, Notes);
    HWND notes = WaitForCaption(driver, "Genetics Configuration Notes", 60000);
    const DWORD elapsed = ::GetTickCount() - start;
    const unsigned cpu = driver.CpuMilliseconds() - startCpu;
    ASSERT_NE(notes, nullptr) << "the notes did not open within a minute";
    std::printf("[ figures  ] notes of 1 MB open in %lu ms (%u ms of the program's processor time)\n",
                (unsigned long)elapsed, cpu);
    EXPECT_LT(cpu, 2000u);
    CProgramDriver::Screenshot(notes, "notes-of-a-megabyte");
    const std::string text = CProgramDriver::ItemText(notes, ReportText);
    EXPECT_NE(text.find("First paragraph.\r\n\r\nSecond paragraph written on two lines.\r\n\r\nMerle is"),
              std::string::npos)
        << text.substr(0, 600);
    EXPECT_NE(text.find("The end of the notes."), std::string::npos);
    size_t lines = 1;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        lines++;
    EXPECT_EQ((size_t)::SendDlgItemMessageA(notes, ReportText, EM_GETLINECOUNT, 0, 0), lines)
        << "every line fits the control";
    EXPECT_TRUE(CloseWindow(driver, "Genetics Configuration Notes"));
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
