#include "afx/ObArray.h"

IMPLEMENT_SERIAL(CObArray, CObject, 0)

CObArray::CObArray()
{
}

CObArray::~CObArray()
{
}
