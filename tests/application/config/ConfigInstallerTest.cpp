// Installing a standard configuration: it replaces "Genetics.Gen" and is
// loaded; a failure keeps the installed file and the loaded configuration.
#include "application/config/ConfigInstaller.h"
#include "foundation/files/ProgramFolder.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsConfigLoad.h"

#include "support/MessageBoxAnswerer.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace
{
std::string ReadWhole(const std::string& path)
{
    std::string contents;
    FILE* file = fopen(path.c_str(), "rb");
    if (file == NULL)
        return contents;
    char buffer[4096];
    size_t read;
    while ((read = fread(buffer, 1, sizeof(buffer), file)) > 0)
        contents.append(buffer, read);
    fclose(file);
    return contents;
}

class ConfigInstaller : public ::testing::Test
{
protected:
    ConfigInstaller() : m_folder("installer"), m_savedFolder(ProgramFolder)
    {
        ProgramFolder = m_folder.Path().c_str();
        m_folder.MakeFolder("Configurations");
        m_labrador = ReadWhole(KESTROVA_BINARY_DIR "\\Configurations\\Labrador.gen");
        m_dane = ReadWhole(KESTROVA_BINARY_DIR "\\Configurations\\GreatDane.gen");
        m_folder.WriteFile("Configurations\\Labrador.gen", m_labrador);
        m_folder.WriteFile("Configurations\\GreatDane.gen", m_dane);
    }
    ~ConfigInstaller() override
    {
        ReleaseGeneticsConfig();
        ProgramFolder = m_savedFolder;
    }

    // Installs the Labrador first, so a configuration is loaded.
    void InstallLabrador()
    {
        CMessageBoxAnswerer answerer(IDOK);
        ASSERT_TRUE(InstallConfigurationFile("Labrador.gen"));
        EXPECT_EQ(answerer.Count(), 0) << answerer.LastText();
        ASSERT_NE(CurrentGeneticsConfig, nullptr);
    }

    int FilesInFolder() const
    {
        WIN32_FIND_DATAA found;
        HANDLE search = ::FindFirstFileA((m_folder / "*").c_str(), &found);
        int count = 0;
        do
            count += (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
        while (::FindNextFileA(search, &found));
        ::FindClose(search);
        return count;
    }

    CScratchFolder m_folder;
    CString m_savedFolder;
    std::string m_labrador, m_dane;
};

TEST_F(ConfigInstaller, ReplacesTheInstalledFileAndLoadsIt)
{
    ASSERT_FALSE(m_labrador.empty());
    InstallLabrador();
    EXPECT_EQ(m_folder.ReadFile("Genetics.Gen"), m_labrador);
    EXPECT_NE(CurrentGeneticsConfig->GetDescription().Find("Labrador"), -1);
    CMessageBoxAnswerer answerer(IDOK);
    EXPECT_TRUE(InstallConfigurationFile("GreatDane.gen"));
    EXPECT_EQ(m_folder.ReadFile("Genetics.Gen"), m_dane);
    EXPECT_NE(CurrentGeneticsConfig->GetDescription().Find("Dane"), -1);
    EXPECT_EQ(FilesInFolder(), 1) << "no temporary file is left";
}

TEST_F(ConfigInstaller, FailureKeepsTheInstalledConfiguration)
{
    InstallLabrador();
    const CGeneticsConfig* loaded = CurrentGeneticsConfig;
    struct Case
    {
        const char* what;
        bool lockTarget;
        const char* name;
        std::string contents;  // written over the source first, unless empty
    } cases[] = {{"source removed", false, "Missing.gen", ""},
                 {"destination locked", true, "GreatDane.gen", ""},
                 {"source cut", false, "Cut.gen", m_dane.substr(0, m_dane.size() / 2)},
                 {"source not sealed", false, "Plain.gen", "desc Plain text\n[genes Main]\ngene B B, b\n"}};
    for (const Case& c : cases)
    {
        if (!c.contents.empty())
            m_folder.WriteFile(std::string("Configurations\\") + c.name, c.contents);
        HANDLE lock = c.lockTarget ? ::CreateFileA((m_folder / "Genetics.Gen").c_str(), GENERIC_READ, 0, NULL,
                                                   OPEN_EXISTING, 0, NULL)
                                   : INVALID_HANDLE_VALUE;
        CMessageBoxAnswerer answerer(IDOK);
        EXPECT_FALSE(InstallConfigurationFile(c.name)) << c.what;
        if (lock != INVALID_HANDLE_VALUE)
            ::CloseHandle(lock);
        EXPECT_EQ(answerer.Count(), 1) << c.what;
        if (!c.contents.empty())
        {
            EXPECT_NE(answerer.LastText().find(c.name), std::string::npos) << c.what << ": " << answerer.LastText();
        }
        EXPECT_EQ(m_folder.ReadFile("Genetics.Gen"), m_labrador) << c.what;
        EXPECT_EQ(CurrentGeneticsConfig, loaded) << c.what;
        EXPECT_EQ(FilesInFolder(), 1) << c.what << ": the partial copy is deleted";
    }
}
}  // namespace
