#include "foundation/archive/NamedTextItemList.h"

#include "afx/Archive.h"
#include "foundation/archive/NamedTextItem.h"

IMPLEMENT_SERIAL(CNamedTextItemList, CObject, 1)

namespace
{
// Lists nest through recursion: a damaged stream must not nest them deep
// enough to exhaust the stack.
const int kMaxNesting = 256;
int g_nNesting = 0;

struct NestingLevel
{
    NestingLevel()
    {
        if (g_nNesting >= kMaxNesting)
            AfxThrowArchiveException(CArchiveException::generic);
        ++g_nNesting;
    }
    ~NestingLevel() { --g_nNesting; }
};
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
        ar << (BYTE)1 << m_strName << (WORD)m_elements.GetSize();
        for (INT_PTR i = 0; i < m_elements.GetSize(); ++i)
        {
            CObject* element = m_elements[i];
            ar << (WORD)(element->IsKindOf(RUNTIME_CLASS(CNamedTextItem)) ? 0 : 1);
            element->Serialize(ar);
        }
        return;
    }
    BYTE version;
    ar >> version;
    if (version != 1)
        AfxThrowArchiveException(CArchiveException::generic);
    WORD count;
    ar >> m_strName >> count;
    // Each element needs at least its kind word and its version byte.
    ar.CheckAvailable(3ull * count);
    NestingLevel level;
    try
    {
        for (WORD i = 0; i < count; ++i)
        {
            WORD kind;
            ar >> kind;
            CObject* element = kind == 0 ? (CObject*)new CNamedTextItem : (CObject*)new CNamedTextItemList;
            try
            {
                element->Serialize(ar);
            }
            catch (...)
            {
                delete element;
                throw;
            }
            m_elements.Add(element);
        }
    }
    catch (...)
    {
        m_elements.DeleteAll();
        throw;
    }
}
