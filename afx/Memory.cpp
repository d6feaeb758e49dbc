// Checked allocation for the framework's containers and objects.
#include "afx/AfxDefs.h"

#include <stdlib.h>

#include "afx/MemoryException.h"

void* AFXAPI AfxAllocMemory(size_t nBytes)
{
    void* p = malloc(nBytes != 0 ? nBytes : 1);
    if (p == NULL)
        AfxThrowMemoryException();
    return p;
}

void* AFXAPI AfxReallocMemory(void* p, size_t nBytes)
{
    void* pNew = realloc(p, nBytes != 0 ? nBytes : 1);
    if (pNew == NULL)
        AfxThrowMemoryException();
    return pNew;
}

void AFXAPI AfxFreeMemory(void* p)
{
    free(p);
}

void AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine)
{
    char szMessage[MAX_PATH + 64];
    wsprintfA(szMessage, "Assertion failed: %s, line %d\n", lpszFileName, nLine);
    OutputDebugStringA(szMessage);
    DebugBreak();
}
