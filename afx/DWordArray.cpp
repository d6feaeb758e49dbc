#include "afx/DWordArray.h"

IMPLEMENT_SERIAL(CDWordArray, CObject, 0)

CDWordArray::CDWordArray()
{
}

CDWordArray::~CDWordArray()
{
}
