#pragma once
// An array of object pointers that owns its elements: it deletes them when
// it is cleared or destroyed and copies them deeply. Elements may be null.
#include "afx/core/AfxCore.h"

#include <vector>

class COwningObArray : public CObArray
{
public:
    COwningObArray() { SetSize(0, 32); }
    ~COwningObArray() override;

    // Deletes every non-null element and sets the size to 0.
    void DeleteAll();
    // Deletes one element and closes the gap.
    void DeleteAt(INT_PTR index);
    // Deletes the elements whose flag is set; the others keep their order.
    void DeleteMarked(const std::vector<bool>& marked);
    // Replaces the contents by clones of the source's elements (null stays
    // null); the elements must derive from CMyCmdTarget. Copying an array
    // onto itself leaves it as it is.
    void Copy(const COwningObArray& source);

    // An owning array is never stored through this operation.
    void Serialize(CArchive& ar) override;

private:
    COwningObArray(const COwningObArray&) = delete;
    COwningObArray& operator=(const COwningObArray&) = delete;
};
