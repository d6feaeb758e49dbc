#include "afx/ole/OleException.h"

#include "afx/core/MemoryException.h"

IMPLEMENT_DYNAMIC(COleException, CException)

COleException::COleException() : m_sc(S_OK)
{
}

COleException::~COleException()
{
}

BOOL COleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    char text[512];
    DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, NULL,
                                    (DWORD)m_sc, 0, text, sizeof(text), NULL);
    // The system's texts end with a line break, which a message box does not want.
    while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == '\r'))
        text[--length] = '\0';
    if (length == 0)
        wsprintfA(text, "OLE error 0x%08lX.", (unsigned long)m_sc);
    return CopyErrorMessage(text, lpszError, nMaxError);
}

SCODE PASCAL COleException::Process(const CException* pAnyException)
{
    if (pAnyException == NULL)
        return E_UNEXPECTED;
    if (pAnyException->IsKindOf(RUNTIME_CLASS(COleException)))
        return ((const COleException*)pAnyException)->m_sc;
    if (pAnyException->IsKindOf(RUNTIME_CLASS(CMemoryException)))
        return E_OUTOFMEMORY;
    return E_UNEXPECTED;
}

void AFXAPI AfxThrowOleException(SCODE sc)
{
    COleException* exception = new COleException;
    exception->m_sc = sc;
    throw exception;
}
