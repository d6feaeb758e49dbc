#pragma once

#include "afx/core/AfxCore.h"

// Movable global memory blocks and their hex text: the decimal size, one
// separator character, then two lower-case hex digits per byte.
int HexToByte(char high, char low);
void ByteToHex(BYTE value, char& high, char& low);
CString GlobalBlockToHex(HGLOBAL block, char separator);
HGLOBAL HexToGlobalBlock(LPCTSTR text, UINT flags, char separator);
HGLOBAL NewGlobalBlock(const void* bytes, DWORD count);
HGLOBAL CopyGlobalBlock(HGLOBAL block);
BOOL CompareGlobalBlocks(HGLOBAL first, HGLOBAL second);
void FreeGlobalBlock(HGLOBAL* block);
