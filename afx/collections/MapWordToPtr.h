#pragma once

#include "afx/collections/Map.h"

// Hashed map from 16-bit words to pointers.
class CMapWordToPtr : public CMap<WORD, WORD, void*, void*>
{
    DECLARE_SERIAL(CMapWordToPtr)

public:
    explicit CMapWordToPtr(INT_PTR nBlockSize = 10);
    virtual ~CMapWordToPtr();
};
