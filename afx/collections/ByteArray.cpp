#include "afx/collections/ByteArray.h"

#include "afx/files/Archive.h"

IMPLEMENT_SERIAL(CByteArray, CObject, 0)

CByteArray::CByteArray()
{
}

CByteArray::~CByteArray()
{
}

void CByteArray::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)GetSize());
        ar.Write(GetData(), (UINT)GetSize());
        return;
    }
    DWORD n = ar.ReadCount();
    ar.CheckAvailable(n);
    SetSize(n);
    if (ar.Read(GetData(), n) != n)
        AfxThrowArchiveException(CArchiveException::endOfFile);
}
