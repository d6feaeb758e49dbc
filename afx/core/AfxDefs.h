// Basic definitions shared by the whole framework layer: the Windows headers,
// calling conventions, diagnostics macros and the collection position type.
#pragma once

#include <windows.h>
#include <stddef.h>
#include <stdarg.h>
#include <string.h>

#ifndef AFXAPI
#define AFXAPI __stdcall
#endif
#ifndef AFX_CDECL
#define AFX_CDECL __cdecl
#endif
#ifndef AFX_DATA
#define AFX_DATA
#endif
#ifndef AFX_INLINE
#define AFX_INLINE inline
#endif

// Diagnostics: checks run only in debug builds; TRACE output is not kept.
void AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);

#ifdef _DEBUG
#define ASSERT(f) ((f) ? (void)0 : AfxAssertFailedLine(__FILE__, __LINE__))
#define VERIFY(f) ASSERT(f)
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#endif
#define ASSERT_VALID(pOb) ((void)0)
#define ASSERT_POINTER(p, type) ASSERT((p) != NULL)
#define ASSERT_NULL_OR_POINTER(p, type) ((void)0)
#define ASSERT_KINDOF(class_name, object) \
    ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))
#define TRACE(...) ((void)0)
#define TRACE0(sz) ((void)0)
#define TRACE1(sz, p1) ((void)0)
#define TRACE2(sz, p1, p2) ((void)0)
#define TRACE3(sz, p1, p2, p3) ((void)0)
#define UNUSED(x) ((void)(x))
#define UNUSED_ALWAYS(x) ((void)(x))

// Opaque iteration position of the collections.
struct __POSITION {};
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)

// Allocation that raises the framework's memory exception instead of
// returning null; every framework container allocates through these.
void* AFXAPI AfxAllocMemory(size_t nBytes);
void* AFXAPI AfxReallocMemory(void* p, size_t nBytes);
void AFXAPI AfxFreeMemory(void* p);
