// Checked allocation for the framework's containers and objects.
#include "afx/core/AfxDefs.h"

#include <stdlib.h>

#include <new>

#include "afx/core/MemoryException.h"

namespace
{
// Plain new and new[] of any type raise the framework's memory exception when
// memory runs out, so that CATCH_ALL and the window procedure's handlers see
// it as such instead of a foreign exception (nothrow new still answers null).
void ThrowMemoryExceptionOnNew()
{
    AfxThrowMemoryException();
}

// Installed at start-up; this file is part of every program that uses strings
// or containers.
struct NewHandlerInstaller
{
    NewHandlerInstaller() { std::set_new_handler(ThrowMemoryExceptionOnNew); }
} s_newHandlerInstaller;
} // namespace

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
