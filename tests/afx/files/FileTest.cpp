// CFile: open failures (result or exception), reading and writing, status.
#include <gtest/gtest.h>

#include "afx/core/AfxCore.h"

namespace
{
class FileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TCHAR szFolder[MAX_PATH];
        GetTempPathA(MAX_PATH, szFolder);
        m_strFolder.Format("%safxcore_%lu", szFolder, GetCurrentProcessId());
        CreateDirectoryA(m_strFolder, NULL);
        m_strPath = m_strFolder + "\\sample.bin";
    }
    void TearDown() override
    {
        DeleteFileA(m_strPath);
        DeleteFileA(m_strFolder + "\\renamed.bin");
        RemoveDirectoryA(m_strFolder);
    }
    void WriteSample(const char* text)
    {
        CFile file(m_strPath, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        file.Write(text, (UINT)strlen(text));
        file.Close();
    }

    CString m_strFolder;
    CString m_strPath;
};
} // namespace

TEST_F(FileTest, OpenFailureReturnsFalseAndFillsTheException)
{
    CFile file;
    CFileException e;
    CString strMissing = m_strFolder + "\\missing.gen";
    EXPECT_FALSE(file.Open(strMissing, CFile::modeRead | CFile::typeBinary, &e));
    EXPECT_EQ(CFileException::fileNotFound, e.m_cause);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, e.m_lOsError);
    EXPECT_STREQ(strMissing, e.m_strFileName);
    EXPECT_EQ(CFile::hFileNull, file.m_hFile);

    // Without an exception object the result alone reports it.
    EXPECT_FALSE(file.Open(m_strFolder + "\\no\\such\\folder\\x", CFile::modeRead));
    EXPECT_FALSE(file.Open("", CFile::modeRead, &e));
    EXPECT_EQ(CFileException::badPath, e.m_cause);
}

TEST_F(FileTest, OpeningConstructorRaisesTheFileException)
{
    CString strMissing = m_strFolder + "\\missing.gen";
    try
    {
        CFile file(strMissing, CFile::modeRead);
        ADD_FAILURE() << "no exception";
    }
    catch (CFileException* e)
    {
        EXPECT_EQ(CFileException::fileNotFound, e->m_cause);
        EXPECT_STREQ(strMissing, e->m_strFileName);
        e->Delete();
    }
}

TEST_F(FileTest, WriteReadSeekAndLength)
{
    WriteSample("0123456789");
    CFile file;
    ASSERT_TRUE(file.Open(m_strPath, CFile::modeRead | CFile::typeBinary));
    EXPECT_EQ(10u, file.GetLength());
    char buffer[16] = {0};
    EXPECT_EQ(4u, file.Read(buffer, 4));
    EXPECT_STREQ("0123", buffer);
    EXPECT_EQ(4u, file.GetPosition());
    EXPECT_EQ(2, file.Seek(-2, CFile::current));
    EXPECT_EQ(8u, file.Read(buffer, 16)); // a short read at the end is no error
    EXPECT_EQ(0, memcmp(buffer, "23456789", 8));
    EXPECT_EQ(0u, file.Read(buffer, 16));
    EXPECT_EQ(10u, file.SeekToEnd());
    file.Close();
    EXPECT_EQ(CFile::hFileNull, file.m_hFile);
}

TEST_F(FileTest, ReadFailureRaisesAndAbortNeverDoes)
{
    CFile file(m_strPath, CFile::modeCreate | CFile::modeWrite);
    char buffer[4];
    try
    {
        file.Read(buffer, sizeof(buffer));
        ADD_FAILURE() << "no exception";
    }
    catch (CFileException* e)
    {
        EXPECT_EQ(CFileException::accessDenied, e->m_cause);
        e->Delete();
    }
    file.Abort();
    file.Abort();
    EXPECT_EQ(CFile::hFileNull, file.m_hFile);
}

TEST_F(FileTest, ExclusiveOpenRefusesASecondOpen)
{
    WriteSample("x");
    CFile first;
    ASSERT_TRUE(first.Open(m_strPath, CFile::modeRead | CFile::typeBinary));
    CFile second;
    CFileException e;
    EXPECT_FALSE(second.Open(m_strPath, CFile::modeRead | CFile::shareDenyNone, &e));
    EXPECT_EQ(CFileException::sharingViolation, e.m_cause);
}

TEST_F(FileTest, StatusOfFilesFoldersAndMissingNames)
{
    WriteSample("abc");
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(m_strPath, status));
    EXPECT_EQ(3, status.m_size);
    EXPECT_EQ(0, status.m_attribute & (CFile::directory | CFile::hidden | CFile::system | CFile::volume));
    EXPECT_NE(nullptr, strstr(status.m_szFullName, "sample.bin"));

    ASSERT_TRUE(CFile::GetStatus(m_strFolder, status));
    EXPECT_NE(0, status.m_attribute & CFile::directory);

    EXPECT_FALSE(CFile::GetStatus(m_strFolder + "\\missing.gen", status));
    EXPECT_FALSE(CFile::GetStatus(m_strFolder + "\\*.bin", status));
    EXPECT_FALSE(CFile::GetStatus("", status));
}

TEST_F(FileTest, RenameAndRemoveRaiseOnFailure)
{
    WriteSample("abc");
    CString strRenamed = m_strFolder + "\\renamed.bin";
    CFile::Rename(m_strPath, strRenamed);
    CFileStatus status;
    EXPECT_TRUE(CFile::GetStatus(strRenamed, status));
    EXPECT_THROW(CFile::Rename(m_strPath, strRenamed), CFileException*);
    CFile::Remove(strRenamed);
    EXPECT_FALSE(CFile::GetStatus(strRenamed, status));
    try
    {
        CFile::Remove(strRenamed);
        ADD_FAILURE() << "no exception";
    }
    catch (CFileException* e)
    {
        EXPECT_EQ(CFileException::fileNotFound, e->m_cause);
        e->Delete();
    }
}

TEST_F(FileTest, NamesAndDirectBuffering)
{
    WriteSample("abc");
    CFile file(m_strPath, CFile::modeRead);
    EXPECT_STREQ("sample.bin", file.GetFileName());
    EXPECT_NE(-1, file.GetFilePath().Find("sample.bin"));
    EXPECT_EQ(0u, file.GetBufferPtr(CFile::bufferCheck));
    CFileStatus status;
    EXPECT_TRUE(file.GetStatus(status));
    EXPECT_EQ(3, status.m_size);
}
