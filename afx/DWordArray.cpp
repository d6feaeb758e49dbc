#include "afx/DWordArray.h"

#include "afx/Archive.h"

IMPLEMENT_SERIAL(CDWordArray, CObject, 0)

CDWordArray::CDWordArray()
{
}

CDWordArray::~CDWordArray()
{
}

void CDWordArray::Serialize(CArchive& ar)
{
    SerializeWholeNumberArray(ar, *this);
}
