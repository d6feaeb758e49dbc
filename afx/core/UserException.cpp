#include "afx/core/UserException.h"

IMPLEMENT_DYNAMIC(CUserException, CException)

CUserException::CUserException()
{
}

CUserException::~CUserException()
{
}

void AFXAPI AfxThrowUserException()
{
    throw new CUserException;
}
