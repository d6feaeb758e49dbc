#pragma once

#include "afx/Array.h"

// Array of untyped pointers.
class CPtrArray : public CArray<void*, void*>
{
    DECLARE_SERIAL(CPtrArray)

public:
    CPtrArray();
    virtual ~CPtrArray();
};
