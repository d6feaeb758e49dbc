#pragma once

#include "afx/core/Exception.h"

// Raised to abandon a user operation after its failure has been shown, such
// as data exchange refusing a field's value.
class CUserException : public CException
{
    DECLARE_DYNAMIC(CUserException)

public:
    CUserException();
    virtual ~CUserException();
};

[[noreturn]] void AFXAPI AfxThrowUserException();
