#pragma once

#include "afx/collections/Array.h"

// Array of texts; copies share the texts until written.
class CStringArray : public CArray<CString, const CString&>
{
    DECLARE_SERIAL(CStringArray)

public:
    CStringArray();
    virtual ~CStringArray();

    // The count, then each element.
    void Serialize(CArchive& ar) override;
};
