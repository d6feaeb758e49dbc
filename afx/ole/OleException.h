#pragma once

#include "afx/core/Exception.h"

#include <ole2.h>

// Raised when an OLE call of the framework fails; m_sc holds the call's status.
class COleException : public CException
{
    DECLARE_DYNAMIC(COleException)

public:
    COleException();
    virtual ~COleException();

    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);

    // The status that an exception stands for: m_sc of an OLE exception,
    // E_OUTOFMEMORY for a memory exception, E_UNEXPECTED for any other.
    static SCODE PASCAL Process(const CException* pAnyException);

    SCODE m_sc;
};

[[noreturn]] void AFXAPI AfxThrowOleException(SCODE sc);
