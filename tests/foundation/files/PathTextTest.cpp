#include "foundation/files/PathText.h"
#include "foundation/files/ProgramFolder.h"

#include <gtest/gtest.h>

TEST(PathTextTest, NormalizesSeparatorsDriveLettersAndTrailingBackslash)
{
    EXPECT_STREQ(NormalizePath(" c:/data/ "), "C:\\data");
    EXPECT_STREQ(NormalizePath("C:\\"), "C:\\");
    EXPECT_STREQ(NormalizePath("c:/"), "C:\\");
    EXPECT_STREQ(NormalizePath("c:"), "c:");
    EXPECT_STREQ(NormalizePath("data\\"), "data");
    EXPECT_STREQ(NormalizePath("C:\\data\\\\"), "C:\\data\\");
    EXPECT_STREQ(NormalizePath("\\\\server\\share\\"), "\\\\server\\share");
    EXPECT_STREQ(NormalizePath("a/./b/../c"), "a\\.\\b\\..\\c");
    EXPECT_STREQ(NormalizePath(""), "");
    EXPECT_STREQ(NormalizePath(NULL), "");
}

TEST(PathTextTest, TellsRelativeFromAbsolute)
{
    EXPECT_TRUE(IsRelativePath("a\\b"));
    EXPECT_TRUE(IsRelativePath("Genetics.Gen"));
    EXPECT_FALSE(IsRelativePath("\\a"));
    EXPECT_FALSE(IsRelativePath("C:\\a"));
    EXPECT_FALSE(IsRelativePath("C:data"));
    EXPECT_FALSE(IsRelativePath("\\\\server\\share"));
    EXPECT_FALSE(IsRelativePath(""));
    EXPECT_FALSE(IsRelativePath("   "));
    EXPECT_FALSE(IsRelativePath(NULL));
}

TEST(PathTextTest, JoinsWithOneBackslash)
{
    EXPECT_STREQ(JoinPath("C:\\data", "a.gen"), "C:\\data\\a.gen");
    EXPECT_STREQ(JoinPath("C:\\data\\", "a.gen"), "C:\\data\\a.gen");
    EXPECT_STREQ(JoinPath("C:/data/", "sub/a.gen"), "C:\\data\\sub\\a.gen");
    EXPECT_STREQ(JoinPath("C:\\", "a"), "C:\\a");
    EXPECT_STREQ(JoinPath("", "a"), "a");
    EXPECT_STREQ(JoinPath(NULL, "a"), "a");
    EXPECT_STREQ(JoinPath("x", ""), "x\\");
    EXPECT_STREQ(JoinPath("C:\\a", "\\b"), "C:\\a\\\\b");
}

TEST(PathTextTest, SplitsFolderNameAndExtension)
{
    struct Case
    {
        const char* path;
        const char* folder;
        const char* name;
    };
    const Case cases[] = {
        {"C:\\data\\a.txt", "C:\\data", "a.txt"},
        {"C:\\a.txt", "C:", "a.txt"},
        {"C:a.txt", "C:", "a.txt"},
        {"C:\\", "C:", ""},
        {"a.txt", "", "a.txt"},
        {"a\\b/c", "a", "b/c"},
        {"a/b", "a", "b"},
    };
    for (const Case& c : cases)
    {
        CString folder = "x";
        CString name = "y";
        EXPECT_EQ(SplitPath(c.path, &folder, &name), 1);
        EXPECT_STREQ(folder, c.folder) << c.path;
        EXPECT_STREQ(name, c.name) << c.path;
    }
    CString folder = "x";
    EXPECT_EQ(SplitPath("", &folder, NULL), 0);
    EXPECT_STREQ(folder, "");

    CString base = "untouched";
    CString extension = "untouched";
    EXPECT_EQ(SplitFileExtension("archive.tar.gz", &base, &extension), 1);
    EXPECT_STREQ(base, "archive");
    EXPECT_STREQ(extension, "tar.gz");
    base = "untouched";
    EXPECT_EQ(SplitFileExtension("README", &base, &extension), 0);
    EXPECT_EQ(SplitFileExtension(NULL, &base, &extension), 0);
    EXPECT_STREQ(base, "untouched");
}

TEST(PathTextTest, DriveRoots)
{
    char letter = 0;
    EXPECT_TRUE(IsDriveRoot("c:\\", &letter));
    EXPECT_EQ(letter, 'C');
    EXPECT_FALSE(IsDriveRoot("c:"));
    EXPECT_FALSE(IsDriveRoot("c:\\a"));
    EXPECT_FALSE(IsDriveRoot("1:\\"));
    EXPECT_FALSE(IsDriveRoot(NULL));
    char root[4];
    MakeDriveRoot(root, 'd');
    EXPECT_STREQ(root, "D:\\");
}

TEST(PathTextTest, FolderMembershipAndRelativePaths)
{
    EXPECT_TRUE(IsPathInFolder("C:\\data\\x", "C:\\data"));
    EXPECT_FALSE(IsPathInFolder("C:\\database", "C:\\data"));
    EXPECT_FALSE(IsPathInFolder("C:\\data", "C:\\data"));
    EXPECT_TRUE(IsPathInFolder("C:\\x", "C:\\"));
    EXPECT_FALSE(IsPathInFolder("c:\\data\\x", "C:\\data"));
    EXPECT_FALSE(IsPathInFolder("C:\\x", ""));
    EXPECT_TRUE(IsPathInFolder("", NULL));
    EXPECT_FALSE(IsPathInFolder("", "C:\\"));

    EXPECT_STREQ(RemovePathPrefix("C:\\data\\x\\y.jpg", "C:\\data"), "x\\y.jpg");
    EXPECT_STREQ(RemovePathPrefix("C:\\x", "C:\\"), "x");

    EXPECT_STREQ(MakePathRelative("C:\\pics\\a.jpg", "D:\\x;C:\\pics"), "a.jpg");
    EXPECT_STREQ(MakePathRelative("C:\\pics\\a.jpg", " D:\\x ; (C:\\odd;dir) ;C:\\pics "), "a.jpg");
    EXPECT_STREQ(MakePathRelative("C:\\other\\a.jpg", "D:\\x;C:\\pics"), "C:\\other\\a.jpg");
    EXPECT_STREQ(MakePathRelative("a.jpg", "C:\\pics"), "a.jpg");
    EXPECT_STREQ(MakePathRelative("", "C:\\pics"), "");
}

TEST(PathTextTest, AbsolutePathsAreTakenInsideTheProgramFolder)
{
    CString saved = ProgramFolder;
    ProgramFolder = "C:\\Program Files\\Kestrova";
    EXPECT_STREQ(MakeAbsolutePath("Genetics.Gen"), "C:\\Program Files\\Kestrova\\Genetics.Gen");
    EXPECT_STREQ(MakeAbsolutePath("D:\\x\\Genetics.Gen"), "D:\\x\\Genetics.Gen");
    EXPECT_STREQ(MakeAbsolutePath("\\x\\Genetics.Gen"), "\\x\\Genetics.Gen");
    EXPECT_STREQ(MakeAbsolutePath(""), "");
    ProgramFolder = saved;
}
