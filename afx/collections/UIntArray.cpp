#include "afx/collections/UIntArray.h"

#include "afx/files/Archive.h"

IMPLEMENT_SERIAL(CUIntArray, CObject, 0)

CUIntArray::CUIntArray()
{
}

CUIntArray::~CUIntArray()
{
}

void CUIntArray::Serialize(CArchive& ar)
{
    SerializeWholeNumberArray(ar, *this);
}
