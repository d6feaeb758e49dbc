#include "foundation/files/TempFiles.h"

#include "support/MessageBoxAnswerer.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
    class TempFilesTest : public ::testing::Test
    {
    protected:
        TempFilesTest() : m_folder("KestrovaTempFiles")
        {
            char value[MAX_PATH] = "";
            m_hadTemp = ::GetEnvironmentVariableA("TEMP", value, sizeof(value)) != 0;
            m_savedTemp = value;
        }
        ~TempFilesTest() override
        {
            ::SetEnvironmentVariableA("TEMP", m_hadTemp ? m_savedTemp.c_str() : NULL);
            ReleaseTempFiles();
        }

        std::string ProbeName() const
        {
            return "_ZELKO_" + std::to_string(::GetCurrentProcessId()) + ".tmp";
        }

        CScratchFolder m_folder;
        bool m_hadTemp;
        std::string m_savedTemp;
    };
}

TEST(EnvironmentTextTest, ReadsTheVariableOrTheDefault)
{
    ::SetEnvironmentVariableA("KESTROVA_TEST_VARIABLE", "D:\\Scratch\\");
    EXPECT_STREQ(GetEnvironmentText("KESTROVA_TEST_VARIABLE", "x"), "D:\\Scratch\\");
    ::SetEnvironmentVariableA("KESTROVA_TEST_VARIABLE", NULL);
    EXPECT_STREQ(GetEnvironmentText("KESTROVA_TEST_VARIABLE", "x"), "x");
    EXPECT_STREQ(GetEnvironmentText("KESTROVA_TEST_VARIABLE", NULL), "");
    EXPECT_STREQ(GetEnvironmentText("", "x"), "x");
    EXPECT_STREQ(GetEnvironmentText(NULL, NULL), "");
}

TEST_F(TempFilesTest, AWritableFolderIsProbedQuietly)
{
    ::SetEnvironmentVariableA("TEMP", (m_folder.Path() + "\\").c_str());
    CMessageBoxAnswerer answerer(IDOK);
    EXPECT_TRUE(InitTempFiles());
    EXPECT_EQ(answerer.Count(), 0);
    EXPECT_STREQ(GetTempFilesFolder(), m_folder.Path().c_str());
    // The probe is gone again.
    EXPECT_EQ(::GetFileAttributesA((m_folder / ProbeName()).c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(TempFilesTest, AnUnusableFolderWarnsAndFallsBackToAProbedFolder)
{
    ::SetEnvironmentVariableA("TEMP", (m_folder / "missing").c_str());
    CMessageBoxAnswerer answerer(IDOK);
    EXPECT_TRUE(InitTempFiles());
    ASSERT_EQ(answerer.Count(), 1);
    EXPECT_EQ(answerer.LastText().rfind("Unable to determine temporary files folder.\n\nAssuming ", 0), 0u);

    // Whatever folder was assumed can take a file.
    CString folder = GetTempFilesFolder();
    std::string probe = std::string(folder) + "\\kestrova-check.tmp";
    HANDLE file = ::CreateFileA(probe.c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, NULL);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << folder;
    if (file != INVALID_HANDLE_VALUE)
    {
        ::CloseHandle(file);
        ::DeleteFileA(probe.c_str());
    }
    EXPECT_NE(answerer.LastText().find(std::string(folder)), std::string::npos);
}

TEST_F(TempFilesTest, APrecedingProbeFileIsLeftInPlace)
{
    ASSERT_TRUE(m_folder.WriteFile(ProbeName(), "someone else's"));
    ::SetEnvironmentVariableA("TEMP", m_folder.Path().c_str());
    CMessageBoxAnswerer answerer(IDOK);
    EXPECT_TRUE(InitTempFiles());
    EXPECT_EQ(answerer.Count(), 1);
    EXPECT_STRNE(GetTempFilesFolder(), m_folder.Path().c_str());
    EXPECT_EQ(m_folder.ReadFile(ProbeName()), "someone else's");
}

TEST_F(TempFilesTest, TheFixedFallbackIsUsedWhenItCanBeWritten)
{
    ::CreateDirectoryA("C:\\TEMP", NULL);
    ::SetEnvironmentVariableA("TEMP", (m_folder / "missing").c_str());
    CMessageBoxAnswerer answerer(IDOK);
    EXPECT_TRUE(InitTempFiles());
    EXPECT_STREQ(GetTempFilesFolder(), "C:\\TEMP");
    EXPECT_EQ(answerer.LastText(), "Unable to determine temporary files folder.\n\nAssuming C:\\TEMP\\. ");
}
