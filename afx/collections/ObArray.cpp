#include "afx/collections/ObArray.h"

#include "afx/files/Archive.h"

IMPLEMENT_SERIAL(CObArray, CObject, 0)

CObArray::CObArray()
{
}

CObArray::~CObArray()
{
}

void CObArray::Serialize(CArchive& ar)
{
    SerializeArray(ar, *this, 2, [&](CObject*& p) {
        if (ar.IsStoring())
            ar.WriteObject(p);
        else
            p = ar.ReadObject(NULL);
    });
}
