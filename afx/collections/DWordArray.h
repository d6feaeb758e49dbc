#pragma once

#include "afx/collections/Array.h"

// Array of 32-bit words.
class CDWordArray : public CArray<DWORD, DWORD>
{
    DECLARE_SERIAL(CDWordArray)

public:
    CDWordArray();
    virtual ~CDWordArray();

    // The count, then each element.
    void Serialize(CArchive& ar) override;
};
