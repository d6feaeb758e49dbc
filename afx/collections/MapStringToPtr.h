#pragma once

#include "afx/collections/Map.h"

// Hashed map from texts to pointers.
class CMapStringToPtr : public CMap<CString, LPCTSTR, void*, void*>
{
    DECLARE_SERIAL(CMapStringToPtr)

public:
    explicit CMapStringToPtr(INT_PTR nBlockSize = 10);
    virtual ~CMapStringToPtr();
};
