#include "afx/collections/MapPtrToPtr.h"

IMPLEMENT_SERIAL(CMapPtrToPtr, CObject, 0)

CMapPtrToPtr::CMapPtrToPtr(INT_PTR nBlockSize) : CMap<void*, void*, void*, void*>(nBlockSize)
{
}

CMapPtrToPtr::~CMapPtrToPtr()
{
}
