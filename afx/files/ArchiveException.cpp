#include "afx/files/ArchiveException.h"

IMPLEMENT_DYNAMIC(CArchiveException, CException)

namespace
{
const LPCTSTR kArchiveMessages[] = {
    "No error occurred.",
    "An unknown error occurred while accessing %1.",
    "An attempt was made to write to the reading %1.",
    "An attempt was made to access %1 past its end.",
    "An attempt was made to read from the writing %1.",
    "%1 has a bad format.",
    "%1 contained an unexpected object.",
    "%1 contains an incorrect schema.",
};
} // namespace

CArchiveException::CArchiveException(int cause, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName)
{
}

CArchiveException::~CArchiveException()
{
}

BOOL CArchiveException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    return CopyCauseMessage(kArchiveMessages, _countof(kArchiveMessages), m_cause, m_strFileName,
                            lpszError, nMaxError, pnHelpContext);
}

void AFXAPI AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}
