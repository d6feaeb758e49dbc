#include "afx/collections/StringArray.h"

#include "afx/files/Archive.h"

IMPLEMENT_SERIAL(CStringArray, CObject, 0)

CStringArray::CStringArray()
{
}

CStringArray::~CStringArray()
{
}

void CStringArray::Serialize(CArchive& ar)
{
    SerializeArray(ar, *this, 1, [&](CString& s) {
        if (ar.IsStoring())
            ar << s;
        else
            ar >> s;
    });
}
