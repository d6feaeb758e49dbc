#include "foundation/archive/NamedTextItemList.h"

#include "afx/files/Archive.h"
#include "foundation/archive/StreamVersion.h"
#include "foundation/archive/NamedTextItem.h"

#include <memory>

IMPLEMENT_SERIAL(CNamedTextItemList, CObject, 1)

namespace
{
// Lists nest through recursion: a damaged stream must not nest them deep
// enough to exhaust the stack. The depth is counted in the archive, so that
// archives loaded at the same time, on one thread or several, do not add up.
const int kMaxNesting = 256;

struct NestingLevel
{
    explicit NestingLevel(CArchive& ar) : m_ar(ar)
    {
        if (m_ar.m_nNestingDepth >= kMaxNesting)
            AfxThrowArchiveException(CArchiveException::generic);
        ++m_ar.m_nNestingDepth;
    }
    ~NestingLevel() { --m_ar.m_nNestingDepth; }
    CArchive& m_ar;
};

// A count of 65,535 or more is stored as the word 0xFFFF and then the count
// as a double word; smaller counts keep their one word.
const WORD kLongCount = 0xFFFF;
} // namespace

void CNamedTextItemList::Clear()
{
    m_elements.DeleteAll();
    m_strName.Empty();
}

void CNamedTextItemList::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        const DWORD count = (DWORD)m_elements.GetSize();
        ar << kStreamVersion << m_strName;
        if (count < kLongCount)
            ar << (WORD)count;
        else
            ar << kLongCount << count;
        for (INT_PTR i = 0; i < m_elements.GetSize(); ++i)
        {
            CObject* element = m_elements[i];
            ar << (WORD)(element->IsKindOf(RUNTIME_CLASS(CNamedTextItem)) ? 0 : 1);
            element->Serialize(ar);
        }
        return;
    }
    ReadStreamVersion(ar);
    WORD shortCount;
    ar >> m_strName >> shortCount;
    DWORD count = shortCount;
    if (shortCount == kLongCount)
        ar >> count;
    // Each element needs at least its kind word and its version byte.
    ar.CheckAvailable(3ull * count);
    NestingLevel level(ar);
    try
    {
        for (DWORD i = 0; i < count; ++i)
        {
            WORD kind;
            ar >> kind;
            std::unique_ptr<CObject> element(kind == 0 ? (CObject*)new CNamedTextItem
                                                       : (CObject*)new CNamedTextItemList);
            element->Serialize(ar);
            m_elements.Add(element.release());
        }
    }
    catch (...)
    {
        m_elements.DeleteAll();
        throw;
    }
}
