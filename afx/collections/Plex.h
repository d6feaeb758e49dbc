// A chain of raw memory blocks, freed together; the maps take their
// associations from such blocks.
#pragma once

#include "afx/core/AfxDefs.h"

struct CPlex
{
    CPlex* pNext;
    DWORD dwReserved[1]; // keeps the data that follows 8-byte aligned

    void* data() { return this + 1; }

    // Allocates a block of nMax elements of cbElement bytes at the head of
    // the chain; raises the memory exception when memory runs out.
    static CPlex* PASCAL Create(CPlex*& pHead, UINT nMax, UINT cbElement);
    // Frees this block and all that follow it.
    void FreeDataChain();
};
