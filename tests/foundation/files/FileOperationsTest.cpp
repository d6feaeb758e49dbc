#include "foundation/files/FileOperations.h"
#include "foundation/files/FindDataArray.h"
#include "foundation/files/PathText.h"
#include "foundation/files/ProgramFolder.h"

#include "support/MessageBoxAnswerer.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace
{
    class FileOperationsTest : public ::testing::Test
    {
    protected:
        FileOperationsTest() : m_folder("KestrovaFileOps"), m_savedProgramFolder(ProgramFolder) {}
        ~FileOperationsTest() override { ProgramFolder = m_savedProgramFolder; }

        CScratchFolder m_folder;
        CString m_savedProgramFolder;
    };
}

TEST_F(FileOperationsTest, TellsFilesFromFolders)
{
    ASSERT_TRUE(m_folder.WriteFile("plain.txt", "x"));
    ASSERT_TRUE(m_folder.WriteFile("hidden.txt", "x", FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(m_folder.MakeFolder("sub"));
    EXPECT_TRUE(IsNormalFile((m_folder / "plain.txt").c_str()));
    EXPECT_FALSE(IsNormalFile((m_folder / "hidden.txt").c_str()));
    EXPECT_FALSE(IsNormalFile((m_folder / "sub").c_str()));
    EXPECT_FALSE(IsNormalFile((m_folder / "missing.txt").c_str()));
    EXPECT_TRUE(IsDirectory((m_folder / "sub").c_str()));
    EXPECT_FALSE(IsDirectory((m_folder / "plain.txt").c_str()));
    EXPECT_FALSE(IsDirectory(""));
    EXPECT_FALSE(IsDirectory(NULL));
}

TEST_F(FileOperationsTest, ResolvesThroughTheFirstFolderThatHoldsTheFile)
{
    ASSERT_TRUE(m_folder.MakeFolder("one"));
    ASSERT_TRUE(m_folder.MakeFolder("two"));
    ASSERT_TRUE(m_folder.WriteFile("two\\a.jpg", "x"));
    ASSERT_TRUE(m_folder.WriteFile("one\\b.jpg", "x"));
    ASSERT_TRUE(m_folder.WriteFile("two\\b.jpg", "x"));
    std::string list = m_folder / "missing" + ";" + m_folder / "one" + " ; " + m_folder / "two";
    EXPECT_STREQ(ResolveRelativePath("a.jpg", list.c_str()), (m_folder / "two\\a.jpg").c_str());
    EXPECT_STREQ(ResolveRelativePath("b.jpg", list.c_str()), (m_folder / "one\\b.jpg").c_str());
    EXPECT_STREQ(ResolveRelativePath("c.jpg", list.c_str()), "c.jpg");
    EXPECT_STREQ(ResolveRelativePath("C:\\x\\a.jpg", list.c_str()), "C:\\x\\a.jpg");
    EXPECT_STREQ(ResolveRelativePath("", list.c_str()), "");
}

TEST_F(FileOperationsTest, ListsVisibleEntriesOnly)
{
    ASSERT_TRUE(m_folder.WriteFile("a.gen", "x"));
    ASSERT_TRUE(m_folder.WriteFile(".hidden", "x"));
    ASSERT_TRUE(m_folder.WriteFile("hidden.gen", "x", FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(m_folder.WriteFile("system.gen", "x", FILE_ATTRIBUTE_SYSTEM));
    ASSERT_TRUE(m_folder.MakeFolder("sub"));

    CFindDataArray found;
    EXPECT_EQ(found.AddMatchingFiles((m_folder / "*").c_str()), 1);
    std::set<std::string> names;
    for (int i = 0; i < found.m_nCount; ++i)
        names.insert(found.m_pData[i]->cFileName);
    EXPECT_EQ(names, (std::set<std::string>{"a.gen", "sub"}));

    EXPECT_EQ(found.AddMatchingFiles((m_folder / "*.none").c_str()), 0);
    EXPECT_EQ(found.m_nCount, 2);

    found.RemoveAll();
    for (int i = 0; i < 33; ++i)
        found.Add(new WIN32_FIND_DATAA());
    EXPECT_EQ(found.m_nCount, 33);
    EXPECT_EQ(found.m_nCapacity, 64);
    for (int i = 0; i < 32; ++i)
        found.Add(new WIN32_FIND_DATAA());
    EXPECT_EQ(found.m_nCapacity, 128);
}

TEST_F(FileOperationsTest, WritesLinesAsTextInsideTheProgramFolder)
{
    ProgramFolder = m_folder.Path().c_str();
    CStringArray lines;
    lines.Add("first");
    lines.Add("");
    lines.Add("third");
    CString error = "old";
    EXPECT_TRUE(WriteLinesToFile(lines, "lines.txt", 14, &error));
    EXPECT_STREQ(error, "");
    EXPECT_EQ(m_folder.ReadFile("lines.txt"), "first\r\n\r\nthird\r\n");

    CStringArray none;
    EXPECT_TRUE(WriteLinesToFile(none, (m_folder / "empty.txt").c_str(), 0, NULL));
    EXPECT_TRUE(IsNormalFile((m_folder / "empty.txt").c_str()));
    EXPECT_EQ(m_folder.ReadFile("empty.txt"), "");

    FILE* stream = OpenFileStream("lines.txt", "rb");
    ASSERT_NE(stream, (FILE*)NULL);
    EXPECT_EQ(CloseFileStream(stream), 0);
    EXPECT_EQ(OpenFileStream("", "rb"), (FILE*)NULL);
    EXPECT_EQ(OpenFileStream(NULL, "rb"), (FILE*)NULL);
}

TEST_F(FileOperationsTest, AFailedWriteIsWordedByKindOrShown)
{
    std::string path = m_folder / "no-such-folder\\lines.txt";
    CStringArray lines;
    lines.Add("x");
    CString error;
    EXPECT_FALSE(WriteLinesToFile(lines, path.c_str(), 14, &error));
    EXPECT_STREQ(error, ("Failed to open text file " + path + " for write access. ").c_str());

    CMessageBoxAnswerer answerer(IDOK);
    EXPECT_FALSE(WriteLinesToFile(lines, path.c_str(), 0, NULL));
    ASSERT_EQ(answerer.Count(), 1);
    EXPECT_EQ(answerer.LastText(), "Failed to open file " + path + " for write access.");
}

TEST_F(FileOperationsTest, FileTimesRoundTrip)
{
    ASSERT_TRUE(m_folder.WriteFile("dated.txt", "x"));
    std::string path = m_folder / "dated.txt";
    SYSTEMTIME day = {2005, 5, 4, 5, 6, 30, 2, 0};
    FILETIME time;
    ASSERT_TRUE(::SystemTimeToFileTime(&day, &time));
    EXPECT_TRUE(SetFileTimes(path.c_str(), time));
    FILETIME read = {0, 0};
    EXPECT_TRUE(GetFileWriteTime(path.c_str(), read));
    EXPECT_EQ(::CompareFileTime(&read, &time), 0);
    EXPECT_FALSE(GetFileWriteTime((m_folder / "missing").c_str(), read));
    EXPECT_FALSE(SetFileTimes((m_folder / "missing").c_str(), time));
}
