#include "afx/collections/MapWordToPtr.h"

IMPLEMENT_SERIAL(CMapWordToPtr, CObject, 0)

CMapWordToPtr::CMapWordToPtr(INT_PTR nBlockSize) : CMap<WORD, WORD, void*, void*>(nBlockSize)
{
}

CMapWordToPtr::~CMapWordToPtr()
{
}
