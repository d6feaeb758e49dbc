#pragma once

#include "afx/collections/Array.h"

// Array of 16-bit words.
class CWordArray : public CArray<WORD, WORD>
{
    DECLARE_SERIAL(CWordArray)

public:
    CWordArray();
    virtual ~CWordArray();

    // The count, then each element.
    void Serialize(CArchive& ar) override;
};
