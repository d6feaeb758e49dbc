#pragma once

#include "afx/collections/Array.h"

// Array of bytes.
class CByteArray : public CArray<BYTE, BYTE>
{
    DECLARE_SERIAL(CByteArray)

public:
    CByteArray();
    virtual ~CByteArray();

    // The count, then the bytes as one block.
    void Serialize(CArchive& ar) override;
};
