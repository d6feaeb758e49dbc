// Runtime-class record: one per class that can tell its class at run time,
// be created by name, or be stored through an archive.
#pragma once

#include "afx/core/AfxDefs.h"

class CObject;
class CArchive;

// Bit of the schema word: the class accepts stored versions other than its own.
#define VERSIONABLE_SCHEMA (0x80000000)

struct CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                        // 0xFFFF: the class cannot be stored
    CObject* (PASCAL* m_pfnCreateObject)(); // null for classes that cannot be created
    CRuntimeClass* m_pBaseClass;
    CRuntimeClass* m_pNextClass;           // program-wide list of registered classes

    // Makes a new object of this class; null when the class has no creation
    // function. A failed allocation raises the memory exception.
    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // The registered class with this name (compared exactly), or null.
    static CRuntimeClass* PASCAL FromName(LPCSTR lpszClassName);
    // Creates an object of the registered class with this name, or null.
    static CObject* PASCAL CreateObject(LPCSTR lpszClassName);

    // Stored form of a class reference; these belong to the archive code.
    void Store(CArchive& ar) const;
    static CRuntimeClass* PASCAL Load(CArchive& ar, UINT* pwSchemaNum);
};

// Registers a class in the program-wide list at static initialisation.
struct AFX_CLASSINIT
{
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
};

// Locks the class list while it is walked (the list is built at start-up).
void AFXAPI AfxLockClassList();
void AFXAPI AfxUnlockClassList();
// First registered class; follow m_pNextClass for the others.
CRuntimeClass* AFXAPI AfxGetFirstRuntimeClass();
