#include "afx/collections/DWordArray.h"

#include "afx/files/Archive.h"

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
