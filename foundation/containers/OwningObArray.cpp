#include "foundation/containers/OwningObArray.h"
#include "foundation/containers/MyCmdTarget.h"

COwningObArray::~COwningObArray()
{
    DeleteAll();
}

void COwningObArray::DeleteAll()
{
    CObject** elements = GetData();
    for (INT_PTR i = 0; i < GetSize(); ++i)
        delete elements[i];
    SetSize(0, -1);
}

void COwningObArray::DeleteAt(INT_PTR index)
{
    delete GetAt(index);
    RemoveAt(index);
}

void COwningObArray::DeleteMarked(const std::vector<bool>& marked)
{
    CObject** elements = GetData();
    const INT_PTR count = GetSize();
    INT_PTR kept = 0;
    for (INT_PTR i = 0; i < count; ++i)
    {
        if (i < (INT_PTR)marked.size() && marked[i])
            delete elements[i];
        else
            elements[kept++] = elements[i];
    }
    for (INT_PTR i = kept; i < count; ++i)
        elements[i] = NULL;
    SetSize(kept, -1);
}

void COwningObArray::Copy(const COwningObArray& source)
{
    // Copying onto itself would delete the very elements it is to copy.
    if (&source == this)
        return;
    DeleteAll();
    SetSize(source.GetSize(), -1);
    CObject** elements = GetData();
    for (INT_PTR i = 0; i < source.GetSize(); ++i)
        elements[i] = NULL;
    for (INT_PTR i = 0; i < source.GetSize(); ++i)
    {
        CObject* element = source.GetAt(i);
        if (element != NULL)
            elements[i] = static_cast<CMyCmdTarget*>(element)->Clone();
    }
}

void COwningObArray::Serialize(CArchive&)
{
}
