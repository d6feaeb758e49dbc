#pragma once

#include "afx/core/AfxCore.h"

// The entries of a folder listing, as owned copies of the platform's records.
class CFindDataArray
{
public:
    CFindDataArray() : m_nCount(0), m_nCapacity(0), m_pData(NULL) {}
    virtual ~CFindDataArray();

    int AddMatchingFiles(LPCTSTR pattern);
    void Add(WIN32_FIND_DATAA* record);
    void RemoveAll();

    int m_nCount;
    int m_nCapacity;
    WIN32_FIND_DATAA** m_pData;

private:
    CFindDataArray(const CFindDataArray&) = delete;
    CFindDataArray& operator=(const CFindDataArray&) = delete;
};
