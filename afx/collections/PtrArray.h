#pragma once

#include "afx/collections/Array.h"

// Array of untyped pointers.
class CPtrArray : public CArray<void*, void*>
{
    DECLARE_SERIAL(CPtrArray)

public:
    CPtrArray();
    virtual ~CPtrArray();
};
