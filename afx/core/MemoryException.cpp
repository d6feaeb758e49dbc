#include "afx/core/MemoryException.h"

IMPLEMENT_DYNAMIC(CMemoryException, CException)

CMemoryException::CMemoryException()
{
}

CMemoryException::CMemoryException(BOOL bAutoDelete) : CException(bAutoDelete)
{
}

CMemoryException::~CMemoryException()
{
}

BOOL CMemoryException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    return CopyErrorMessage("Out of memory.", lpszError, nMaxError);
}

void AFXAPI AfxThrowMemoryException()
{
    static CMemoryException s_memoryException(FALSE);
    throw &s_memoryException;
}
