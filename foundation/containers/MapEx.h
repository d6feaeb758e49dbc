#pragma once
// The program's map template on the framework's hash map, with assignment
// and (for maps from texts to numbers) equality.
#include "afx/core/AfxCore.h"

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMapEx : public CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>
{
public:
    typedef CMap<KEY, ARG_KEY, VALUE, ARG_VALUE> Base;

    explicit CMapEx(int nBlockSize = 10) : Base(nBlockSize) {}

    // Makes this map hold exactly the source's entries, inserted in the
    // source's iteration order; the bucket count of this map is kept.
    CMapEx& operator=(const CMapEx& source)
    {
        if (this == &source)
            return *this;
        UINT tableSize = this->GetHashTableSize();
        this->RemoveAll();
        this->InitHashTable(tableSize, FALSE);
        POSITION pos = source.GetStartPosition();
        while (pos != NULL)
        {
            KEY key;
            VALUE value{};
            source.GetNextAssoc(pos, key, value);
            (*this)[key] = value;
        }
        return *this;
    }
};

// TRUE when both maps hold the same keys (compared exactly) with the same
// values.
template <class VALUE, class ARG_VALUE>
BOOL IsStringMapEqual(const CMapEx<CString, LPCTSTR, VALUE, ARG_VALUE>& map,
                      const CMapEx<CString, LPCTSTR, VALUE, ARG_VALUE>& other)
{
    if (map.GetCount() != other.GetCount())
        return FALSE;
    POSITION pos = other.GetStartPosition();
    while (pos != NULL)
    {
        CString key;
        VALUE value;
        other.GetNextAssoc(pos, key, value);
        VALUE mine;
        if (!map.Lookup(key, mine) || !(mine == value))
            return FALSE;
    }
    return TRUE;
}
