// Copying files: contents and time stamps, the checks before copying, the
// overwrite question, and what a failure leaves behind.
#include "application/config/FileCopier.h"

#include "support/MessageBoxAnswerer.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace
{
FILETIME WriteTime(const std::string& path)
{
    FILETIME time = {};
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    ::GetFileTime(file, NULL, NULL, &time);
    ::CloseHandle(file);
    return time;
}

class FileCopier : public ::testing::Test
{
protected:
    FileCopier() : m_folder("copier")
    {
        m_folder.WriteFile("a.txt", std::string(70000, 'a'));  // more than two blocks
        m_folder.WriteFile("b.txt", "bee");
        m_folder.MakeFolder("sub");
    }

    int Copy(const char* const* pairs, int pairCount, int answer = IDNO, BOOL ask = TRUE, BOOL deleteOnFailure = FALSE)
    {
        CMessageBoxAnswerer answerer(answer);
        CFileCopier copier;
        copier.m_bAskBeforeOverwrite = ask;
        copier.m_bDeleteOnFailure = deleteOnFailure;
        for (int i = 0; i < pairCount; i++)
            copier.AddFile((m_folder / pairs[2 * i]).c_str(), (m_folder / pairs[2 * i + 1]).c_str());
        const int result = copier.CopyFiles(NULL, NULL, NULL);
        m_messages = answerer.Texts();
        return result;
    }

    std::string OnlyMessage() const { return m_messages.size() == 1 ? m_messages[0] : "(count differs)"; }

    CScratchFolder m_folder;
    std::vector<std::string> m_messages;
};

TEST_F(FileCopier, CopiesContentsAndTimeStampOfEveryPair)
{
    const char* pairs[] = {"a.txt", "a2.txt", "b.txt", "sub/b2.txt"};
    ASSERT_EQ(Copy(pairs, 2), 1);
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(m_folder.ReadFile("a2.txt"), std::string(70000, 'a'));
    EXPECT_EQ(m_folder.ReadFile("sub\\b2.txt"), "bee");
    const FILETIME source = WriteTime(m_folder / "a.txt"), copy = WriteTime(m_folder / "a2.txt");
    EXPECT_EQ(CompareFileTime(&source, &copy), 0);
}

TEST_F(FileCopier, RefusesBeforeCopyingAnything)
{
    struct Case
    {
        const char* source;
        const char* destination;
        const char* message;  // the start of the one message shown
    } cases[] = {
        {"missing.txt", "x.txt", "Can't access source file "},
        {"sub", "x.txt", "Can't access source file "},
        {"b.txt", "sub", ""},  // "<path> exists but is not a normal file."
    };
    for (const Case& c : cases)
    {
        const char* pairs[] = {"a.txt", "first.txt", c.source, c.destination};
        EXPECT_EQ(Copy(pairs, 2), 0) << c.source;
        EXPECT_EQ(OnlyMessage().rfind(c.message, 0), 0u) << OnlyMessage();
        EXPECT_EQ(m_folder.ReadFile("first.txt"), "") << "the first pair was not copied either";
    }
    EXPECT_NE(OnlyMessage().find("exists but is not a normal file."), std::string::npos);
}

TEST_F(FileCopier, OverwritesOnlyWhenAllowed)
{
    const char* pairs[] = {"b.txt", "a.txt"};
    EXPECT_EQ(Copy(pairs, 1, IDNO), 0);
    EXPECT_NE(OnlyMessage().find("already exists."), std::string::npos);
    EXPECT_EQ(m_folder.ReadFile("a.txt").size(), 70000u);
    EXPECT_EQ(Copy(pairs, 1, IDYES), 1);
    EXPECT_EQ(m_folder.ReadFile("a.txt"), "bee");
    m_folder.WriteFile("a.txt", "old");
    EXPECT_EQ(Copy(pairs, 1, IDNO, FALSE), 1) << "without asking";
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(m_folder.ReadFile("a.txt"), "bee");
}

TEST_F(FileCopier, FailureDeletesWhatThisCopyWroteOnlyWhenAsked)
{
    m_folder.WriteFile("locked.txt", "keep");
    HANDLE lock = ::CreateFileA((m_folder / "locked.txt").c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    const char* pairs[] = {"a.txt", "a2.txt", "b.txt", "locked.txt"};
    for (BOOL deleteOnFailure : {FALSE, TRUE})
    {
        ::DeleteFileA((m_folder / "a2.txt").c_str());
        EXPECT_EQ(Copy(pairs, 2, IDNO, FALSE, deleteOnFailure), 0);
        EXPECT_NE(OnlyMessage().find("is this disk full?"), std::string::npos) << OnlyMessage();
        EXPECT_EQ(::GetFileAttributesA((m_folder / "a2.txt").c_str()) != INVALID_FILE_ATTRIBUTES, !deleteOnFailure);
    }
    ::CloseHandle(lock);
    EXPECT_EQ(m_folder.ReadFile("locked.txt"), "keep") << "a destination it could not open is not touched";
}
}  // namespace
