#pragma once

#include "afx/collections/Array.h"

// Array of unsigned integers.
class CUIntArray : public CArray<UINT, UINT>
{
    DECLARE_SERIAL(CUIntArray)

public:
    CUIntArray();
    virtual ~CUIntArray();

    // The count, then each element.
    void Serialize(CArchive& ar) override;
};
