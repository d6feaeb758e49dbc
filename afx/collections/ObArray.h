#pragma once

#include "afx/collections/Array.h"

// Array of object pointers; it neither owns nor copies the objects.
class CObArray : public CArray<CObject*, CObject*>
{
    DECLARE_SERIAL(CObArray)

public:
    CObArray();
    virtual ~CObArray();

    // The count, then each element.
    void Serialize(CArchive& ar) override;
};
