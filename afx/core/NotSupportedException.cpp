#include "afx/core/NotSupportedException.h"

IMPLEMENT_DYNAMIC(CNotSupportedException, CException)

CNotSupportedException::CNotSupportedException()
{
}

CNotSupportedException::~CNotSupportedException()
{
}

BOOL CNotSupportedException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    return CopyErrorMessage("An unsupported operation was attempted.", lpszError, nMaxError);
}

void AFXAPI AfxThrowNotSupportedException()
{
    throw new CNotSupportedException;
}
