#include "afx/StringArray.h"

IMPLEMENT_SERIAL(CStringArray, CObject, 0)

CStringArray::CStringArray()
{
}

CStringArray::~CStringArray()
{
}
