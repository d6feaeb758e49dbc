#include "foundation/files/FindDataArray.h"

#include "foundation/system/CheckedAlloc.h"
#include "foundation/windows/OwnedHandle.h"

CFindDataArray::~CFindDataArray()
{
    RemoveAll();
}

int CFindDataArray::AddMatchingFiles(LPCTSTR pattern)
{
    WIN32_FIND_DATAA found;
    CFindHandle search(::FindFirstFileA(pattern, &found));
    if (!search)
        return 0;
    do
    {
        if (found.cFileName[0] == '.')
            continue;
        if (found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))
            continue;
        Add(new WIN32_FIND_DATAA(found));
    } while (::FindNextFileA(search, &found));
    return 1;
}

void CFindDataArray::Add(WIN32_FIND_DATAA* record)
{
    if (m_nCount == m_nCapacity)
    {
        int capacity = m_nCapacity <= 32 ? m_nCapacity + 32 : m_nCapacity * 2;
        m_pData = (WIN32_FIND_DATAA**)CheckedRealloc(m_pData, capacity * sizeof(WIN32_FIND_DATAA*));
        m_nCapacity = capacity;
    }
    m_pData[m_nCount++] = record;
}

void CFindDataArray::RemoveAll()
{
    for (int i = 0; i < m_nCount; ++i)
        delete m_pData[i];
    CheckedRealloc(m_pData, 0);
    m_pData = NULL;
    m_nCount = 0;
    m_nCapacity = 0;
}
