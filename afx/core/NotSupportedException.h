#pragma once

#include "afx/core/Exception.h"

// Raised by an operation that an object does not support.
class CNotSupportedException : public CException
{
    DECLARE_DYNAMIC(CNotSupportedException)

public:
    CNotSupportedException();
    virtual ~CNotSupportedException();

    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);
};

[[noreturn]] void AFXAPI AfxThrowNotSupportedException();
