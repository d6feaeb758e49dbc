#include "afx/collections/Plex.h"

#include "afx/core/MemoryException.h"

CPlex* PASCAL CPlex::Create(CPlex*& pHead, UINT nMax, UINT cbElement)
{
    if (nMax == 0 || cbElement == 0 || nMax > (0x7FFFFFFF - sizeof(CPlex)) / cbElement)
        AfxThrowMemoryException();
    CPlex* p = (CPlex*)AfxAllocMemory(sizeof(CPlex) + nMax * cbElement);
    p->pNext = pHead;
    pHead = p;
    return p;
}

void CPlex::FreeDataChain()
{
    CPlex* p = this;
    while (p != NULL)
    {
        CPlex* pNext = p->pNext;
        AfxFreeMemory(p);
        p = pNext;
    }
}
