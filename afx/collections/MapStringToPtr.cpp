#include "afx/collections/MapStringToPtr.h"

IMPLEMENT_SERIAL(CMapStringToPtr, CObject, 0)

CMapStringToPtr::CMapStringToPtr(INT_PTR nBlockSize) : CMap<CString, LPCTSTR, void*, void*>(nBlockSize)
{
}

CMapStringToPtr::~CMapStringToPtr()
{
}
