#include "afx/collections/WordArray.h"

#include "afx/files/Archive.h"

IMPLEMENT_SERIAL(CWordArray, CObject, 0)

CWordArray::CWordArray()
{
}

CWordArray::~CWordArray()
{
}

void CWordArray::Serialize(CArchive& ar)
{
    SerializeWholeNumberArray(ar, *this);
}
