#include "foundation/archive/NamedTextItem.h"

#include "afx/files/Archive.h"
#include "foundation/archive/StreamVersion.h"

IMPLEMENT_SERIAL(CNamedTextItem, CObject, 1)

void CNamedTextItem::Clear()
{
    m_content.Free();
    m_strName.Empty();
    m_nValue1 = 0;
    m_nValue2 = 0;
    m_nTransient = 0;
}

void CNamedTextItem::Serialize(CArchive& ar)
{
    const BYTE* self = (const BYTE*)this;
    const DWORD numbers[] = {(DWORD)((const BYTE*)&m_nValue1 - self), (DWORD)((const BYTE*)&m_nValue2 - self)};
    const DWORD texts[] = {(DWORD)((const BYTE*)&m_strName - self)};
    if (ar.IsStoring())
        ar << kStreamVersion;
    else
        ReadStreamVersion(ar);
    SerializeIntFields(ar, numbers, _countof(numbers), this);
    SerializeStringFields(ar, texts, _countof(texts), this);
    m_content.Serialize(ar);
}
