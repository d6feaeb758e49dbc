#pragma once

#include "afx/core/Exception.h"

// Raised when memory runs out. It is one static object, since there may be
// no memory left to allocate a new one.
class CMemoryException : public CException
{
    DECLARE_DYNAMIC(CMemoryException)

public:
    CMemoryException();
    explicit CMemoryException(BOOL bAutoDelete);
    virtual ~CMemoryException();

    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);
};

[[noreturn]] void AFXAPI AfxThrowMemoryException();
