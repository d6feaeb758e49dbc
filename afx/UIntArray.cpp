#include "afx/UIntArray.h"

IMPLEMENT_SERIAL(CUIntArray, CObject, 0)

CUIntArray::CUIntArray()
{
}

CUIntArray::~CUIntArray()
{
}
