#include "foundation/files/FileErrors.h"
#include "foundation/files/FileKinds.h"

#include "support/MessageBoxAnswerer.h"

#include <gtest/gtest.h>

TEST(FileKindsTest, NamesAndExtensions)
{
    EXPECT_STREQ(GetFileKindName(4), "JPEG image");
    EXPECT_STREQ(GetFileKindName(18), "genetics configuration");
    EXPECT_STREQ(GetFileKindName(0), "unknown");
    EXPECT_STREQ(GetFileKindName(21), "unknown");
    EXPECT_STREQ(GetFileKindExtensions(4, TRUE), "jpg");
    EXPECT_STREQ(GetFileKindExtensions(4, FALSE), "jpg,jpe,jpeg");
    EXPECT_STREQ(GetFileKindExtensions(14, TRUE), "txt");
    EXPECT_STREQ(GetFileKindExtensions(13, TRUE), "gen");
    EXPECT_STREQ(GetFileKindExtensions(19, FALSE), "");
    EXPECT_STREQ(GetFileKindExtensions(21, FALSE), "???");
}

TEST(FileKindsTest, KindOfAFileNameGoesByTheLastExtension)
{
    EXPECT_EQ(GetFileKindFromName("C:\\pics\\dog.JPEG"), 4);
    EXPECT_EQ(GetFileKindFromName("litters.CSV"), 14);
    EXPECT_EQ(GetFileKindFromName("logo.vqf"), 6);
    EXPECT_EQ(GetFileKindFromName("Labrador.gen"), 13);
    EXPECT_EQ(GetFileKindFromName("backup.tar.gz"), 0);
    EXPECT_EQ(GetFileKindFromName("README"), 0);
    EXPECT_EQ(GetFileKindFromName("name."), 0);
    EXPECT_EQ(GetFileKindFromName(NULL), 0);
}

TEST(FileKindsTest, GroupsExpandInTableOrder)
{
    CDWordArray kinds;
    kinds.Add(99);
    ExpandFileKindGroup(19, kinds);
    ASSERT_EQ(kinds.GetSize(), 6);
    const DWORD picture[] = {7, 4, 2, 3, 6, 9};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(kinds[i], picture[i]);
    ExpandFileKindGroup(20, kinds);
    ASSERT_EQ(kinds.GetSize(), 3);
    EXPECT_EQ(kinds[2], 5u);
    ExpandFileKindGroup(5, kinds);
    EXPECT_EQ(kinds.GetSize(), 0);
}

TEST(FileErrorsTest, EveryCodeIsWordedAsASentence)
{
    EXPECT_STREQ(FormatFileError(5, "C:\\Data\\Genetics.Gen", 18),
                 "Failed to read from genetics configuration file C:\\Data\\Genetics.Gen. ");
    EXPECT_STREQ(FormatFileError(10, "C:\\Data\\Genetics.Gen", 14), "Text file C:\\Data\\Genetics.Gen is read only. ");
    EXPECT_STREQ(FormatFileError(1, NULL, 0), "Failed to open file for read access. ");
    EXPECT_STREQ(FormatFileError(9, "a.bmp", 7), "Windows bitmap file a.bmp is too large to load into memory. ");
    EXPECT_STREQ(FormatFileError(14, "C:\\x", 0), "Failed to create folder C:\\x. ");
    EXPECT_STREQ(FormatFileError(0, "a", 4), "Undefined error. ");
    EXPECT_STREQ(FormatFileError(21, NULL, 0), "Undefined error. ");
    // A path that ends the text with its own full stop gets no second one.
    EXPECT_STREQ(FormatFileError(20, "odd.", 0), "Cannot access file odd.");

    for (int code = 1; code <= 20; ++code)
    {
        CString text = FormatFileError(code, "p", 13);
        EXPECT_NE(text.Find(" p"), -1) << code;
        EXPECT_EQ(text.Right(2), ". ") << code;
        EXPECT_EQ(text.Find("  "), -1) << code;
        EXPECT_TRUE(text[0] >= 'A' && text[0] <= 'Z') << code;
    }
}

TEST(FileErrorsTest, ShellFailuresAreShownWithOneFullStop)
{
    EXPECT_STREQ(GetShellOpenErrorText(2), "The specified file was not found.");
    EXPECT_STREQ(GetShellOpenErrorText(4), "A unknown error occurred.");

    CMessageBoxAnswerer answerer(IDOK);
    ReportShellOpenError(2, "C:\\Readme.doc");
    ASSERT_EQ(answerer.Count(), 1);
    EXPECT_EQ(answerer.LastText(), "Cannot access file C:\\Readme.doc.\n\nThe specified file was not found.");
}

TEST(FileErrorsTest, AFailedShellOpenIsReportedAndAnswered)
{
    CMessageBoxAnswerer answerer(IDOK);
    EXPECT_EQ(ShellOpenFile("C:\\no such folder\\Readme.doc"), 0);
    ASSERT_EQ(answerer.Count(), 1);
    EXPECT_EQ(answerer.LastText().rfind("Cannot access file C:\\no such folder\\Readme.doc.\n\nThe specified ", 0), 0u)
        << answerer.LastText();
}
