#include "afx/collections/MapStringToString.h"

IMPLEMENT_SERIAL(CMapStringToString, CObject, 0)

CMapStringToString::CMapStringToString(INT_PTR nBlockSize) : CMap<CString, LPCTSTR, CString, LPCTSTR>(nBlockSize)
{
}

CMapStringToString::~CMapStringToString()
{
}
