#include "afx/WordArray.h"

IMPLEMENT_SERIAL(CWordArray, CObject, 0)

CWordArray::CWordArray()
{
}

CWordArray::~CWordArray()
{
}
