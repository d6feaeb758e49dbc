#include "afx/collections/PtrArray.h"

IMPLEMENT_SERIAL(CPtrArray, CObject, 0)

CPtrArray::CPtrArray()
{
}

CPtrArray::~CPtrArray()
{
}
