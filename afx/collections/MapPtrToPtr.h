#pragma once

#include "afx/collections/Map.h"

// Hashed map from pointers to pointers.
class CMapPtrToPtr : public CMap<void*, void*, void*, void*>
{
    DECLARE_SERIAL(CMapPtrToPtr)

public:
    explicit CMapPtrToPtr(INT_PTR nBlockSize = 10);
    virtual ~CMapPtrToPtr();
};
