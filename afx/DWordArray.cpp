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
    SerializeArray(ar, *this, 4, [&](DWORD& d) {
        if (ar.IsStoring())
            ar << d;
        else
            ar >> d;
    });
}
