#include <gtest/gtest.h>

#include <set>
#include <string>

#include "afx/core/AfxCore.h"

TEST(FileFind, ListsMatchesWithTheirKindAndPath)
{
    TCHAR szTemp[MAX_PATH];
    GetTempPathA(MAX_PATH, szTemp);
    CString strFolder;
    strFolder.Format("%safxcore_find_%lu", szTemp, GetCurrentProcessId());
    CreateDirectoryA(strFolder, NULL);
    CreateDirectoryA(strFolder + "\\sub", NULL);
    for (LPCTSTR name : {"\\a.txt", "\\b.dat"})
    {
        CFile file(strFolder + name, CFile::modeCreate | CFile::modeWrite);
        file.Write("12345", 5);
    }

    CFileFind finder;
    ASSERT_TRUE(finder.FindFile(strFolder + "\\*.*"));
    std::set<std::string> names;
    int nDots = 0;
    BOOL bMore = TRUE;
    while (bMore)
    {
        bMore = finder.FindNextFile();
        if (finder.IsDots())
        {
            ++nDots;
            continue;
        }
        names.insert((LPCTSTR)finder.GetFileName());
        if (finder.GetFileName() == "sub")
        {
            EXPECT_TRUE(finder.IsDirectory());
        }
        else
        {
            EXPECT_FALSE(finder.IsDirectory());
            EXPECT_FALSE(finder.IsHidden());
            EXPECT_EQ(5u, finder.GetLength());
            EXPECT_EQ(strFolder + "\\" + finder.GetFileName(), finder.GetFilePath());
        }
    }
    EXPECT_EQ(2, nDots);
    EXPECT_EQ((std::set<std::string>{"a.txt", "b.dat", "sub"}), names);
    EXPECT_FALSE(finder.FindNextFile());

    ASSERT_TRUE(finder.FindFile(strFolder + "\\*.txt"));
    EXPECT_FALSE(finder.FindNextFile()); // the only match is the last one
    EXPECT_STREQ("a.txt", finder.GetFileName());
    EXPECT_STREQ("a", finder.GetFileTitle());
    EXPECT_FALSE(finder.FindFile(strFolder + "\\*.none"));
    finder.Close();

    DeleteFileA(strFolder + "\\a.txt");
    DeleteFileA(strFolder + "\\b.dat");
    RemoveDirectoryA(strFolder + "\\sub");
    RemoveDirectoryA(strFolder);
}
