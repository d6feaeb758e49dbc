// Framework exceptions: the TRY/CATCH macros, freeing, throw helpers and
// messages.
#include <gtest/gtest.h>

#include <new>

#include "afx/core/AfxCore.h"

namespace
{
class CCountedException : public CException
{
public:
    static int s_nLive;
    CCountedException() { ++s_nLive; }
    ~CCountedException() { --s_nLive; }
};
int CCountedException::s_nLive = 0;

CString MessageOf(CException* e)
{
    TCHAR szText[256];
    e->GetErrorMessage(szText, _countof(szText));
    return szText;
}
} // namespace

TEST(ExceptionMacros, CaughtExceptionIsFreedAtTheEndOfTheHandler)
{
    CCountedException::s_nLive = 0;
    bool bCaught = false;
    TRY
    {
        throw new CCountedException;
    }
    CATCH(CCountedException, e)
    {
        bCaught = true;
        EXPECT_EQ(1, CCountedException::s_nLive);
    }
    END_CATCH
    EXPECT_TRUE(bCaught);
    EXPECT_EQ(0, CCountedException::s_nLive);
}

TEST(ExceptionMacros, DeleteInsideTheHandlerIsNotRepeated)
{
    CCountedException::s_nLive = 0;
    TRY
    {
        throw new CCountedException;
    }
    CATCH_ALL(e)
    {
        e->Delete();
        EXPECT_EQ(0, CCountedException::s_nLive);
    }
    END_CATCH_ALL
    EXPECT_EQ(0, CCountedException::s_nLive);
}

TEST(ExceptionMacros, ThrowLastPassesTheSameObjectOn)
{
    CCountedException::s_nLive = 0;
    CException* pInner = NULL;
    try
    {
        TRY
        {
            throw new CCountedException;
        }
        CATCH_ALL(e)
        {
            pInner = e;
            THROW_LAST();
        }
        END_CATCH_ALL
    }
    catch (CException* e)
    {
        EXPECT_EQ(pInner, e);
        EXPECT_EQ(1, CCountedException::s_nLive);
        e->Delete();
    }
    EXPECT_EQ(0, CCountedException::s_nLive);
}

TEST(ExceptionMacros, AndCatchPicksTheMatchingKind)
{
    int nBranch = 0;
    TRY
    {
        AfxThrowUserException();
    }
    CATCH(CFileException, e)
    {
        nBranch = 1;
    }
    AND_CATCH(CUserException, e)
    {
        nBranch = 2;
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CUserException)));
    }
    END_CATCH
    EXPECT_EQ(2, nBranch);
}

TEST(ExceptionHelpers, EachHelperThrowsItsKind)
{
    EXPECT_THROW(AfxThrowUserException(), CUserException*);
    EXPECT_THROW(AfxThrowNotSupportedException(), CNotSupportedException*);
    try
    {
        AfxThrowFileException(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, "a.txt");
    }
    catch (CFileException* e)
    {
        EXPECT_EQ(CFileException::fileNotFound, e->m_cause);
        EXPECT_EQ(ERROR_FILE_NOT_FOUND, e->m_lOsError);
        EXPECT_STREQ("a.txt", e->m_strFileName);
        e->Delete();
    }
    try
    {
        AfxThrowArchiveException(CArchiveException::generic);
    }
    catch (CArchiveException* e)
    {
        EXPECT_EQ(1, e->m_cause);
        EXPECT_TRUE(e->m_strFileName.IsEmpty());
        e->Delete();
    }
}

TEST(ExceptionHelpers, MemoryExceptionIsOneStaticObject)
{
    CMemoryException* pFirst = NULL;
    CMemoryException* pSecond = NULL;
    try
    {
        AfxThrowMemoryException();
    }
    catch (CMemoryException* e)
    {
        pFirst = e;
        e->Delete();
    }
    try
    {
        AfxThrowMemoryException();
    }
    catch (CException* e)
    {
        pSecond = (CMemoryException*)e;
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CMemoryException)));
        EXPECT_STREQ("Out of memory.", MessageOf(e));
        e->Delete();
    }
    EXPECT_EQ(pFirst, pSecond);
}

namespace
{
// Keeps the compiler from pairing the allocation with its release away.
char* volatile g_pAllocated = NULL;
} // namespace

TEST(ExceptionHelpers, FailedNewRaisesTheMemoryException)
{
    // No 32-bit process has this much contiguous room.
    volatile size_t nHuge = 0x7FFFFFF0;
    CException* pCaught = NULL;
    TRY
    {
        g_pAllocated = new char[nHuge];
        delete[] g_pAllocated;
    }
    CATCH_ALL(e)
    {
        pCaught = e;
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CMemoryException)));
    }
    END_CATCH_ALL
    EXPECT_NE(nullptr, pCaught);

    g_pAllocated = new (std::nothrow) char[nHuge];
    EXPECT_EQ(nullptr, g_pAllocated);
}

TEST(ExceptionMessages, ArchiveCausesNameTheFile)
{
    const char* const expected[] = {
        "No error occurred.",
        "An unknown error occurred while accessing data.bin.",
        "An attempt was made to write to the reading data.bin.",
        "An attempt was made to access data.bin past its end.",
        "An attempt was made to read from the writing data.bin.",
        "data.bin has a bad format.",
        "data.bin contained an unexpected object.",
        "data.bin contains an incorrect schema.",
    };
    for (int nCause = 0; nCause < 8; ++nCause)
    {
        CArchiveException e(nCause, "data.bin");
        EXPECT_STREQ(expected[nCause], MessageOf(&e));
    }
    CArchiveException unnamed(CArchiveException::endOfFile);
    EXPECT_STREQ("An attempt was made to access an unnamed file past its end.", MessageOf(&unnamed));
}

TEST(ExceptionMessages, FileCausesAndTruncation)
{
    CFileException e(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, "Genetics.Gen");
    EXPECT_STREQ("Genetics.Gen was not found.", MessageOf(&e));
    TCHAR szShort[8];
    e.GetErrorMessage(szShort, _countof(szShort));
    EXPECT_STREQ("Genetic", szShort);
    CUserException user;
    EXPECT_FALSE(user.GetErrorMessage(szShort, _countof(szShort)));
    EXPECT_STREQ("", szShort);
}

TEST(ExceptionCauses, WindowsErrorsMapToFileCauses)
{
    EXPECT_EQ(CFileException::fileNotFound, CFileException::OsErrorToException(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(CFileException::badPath, CFileException::OsErrorToException(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(CFileException::accessDenied, CFileException::OsErrorToException(ERROR_ACCESS_DENIED));
    EXPECT_EQ(CFileException::sharingViolation,
              CFileException::OsErrorToException(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(CFileException::diskFull, CFileException::OsErrorToException(ERROR_DISK_FULL));
    EXPECT_EQ(CFileException::generic, CFileException::OsErrorToException(12345));
}
