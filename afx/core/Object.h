// CObject, the root of the framework's class tree, and the macros that give
// classes their runtime-class records.
#pragma once

#include "afx/core/AfxDefs.h"
#include "afx/core/RuntimeClass.h"

class CObject
{
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject();

    // Object allocation raises the memory exception when memory runs out.
    void* PASCAL operator new(size_t nSize);
    void* PASCAL operator new(size_t, void* p) { return p; }
    void PASCAL operator delete(void* p);
    void PASCAL operator delete(void*, void*) {}

protected:
    CObject() {}

private:
    CObject(const CObject&) = delete;
    void operator=(const CObject&) = delete;

public:
    BOOL IsSerializable() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;

    static AFX_DATA CRuntimeClass classCObject;
};

#define RUNTIME_CLASS(class_name) ((CRuntimeClass*)(&class_name::class##class_name))

#define DECLARE_DYNAMIC(class_name) \
public: \
    static AFX_DATA CRuntimeClass class##class_name; \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name) \
    static CObject* PASCAL CreateObject();

// The extraction operator is a template on the archive type so that classes
// can be declared serialisable in code that never sees the archive class.
#define DECLARE_SERIAL(class_name) \
    DECLARE_DYNCREATE(class_name) \
    template <class AFX_ARCHIVE> \
    friend AFX_ARCHIVE& operator>>(AFX_ARCHIVE& ar, class_name*& pOb) \
    { \
        pOb = (class_name*)ar.ReadObject(RUNTIME_CLASS(class_name)); \
        return ar; \
    }

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew) \
    AFX_DATA CRuntimeClass class_name::class##class_name = { \
        #class_name, sizeof(class class_name), wSchema, pfnNew, \
        RUNTIME_CLASS(base_class_name), NULL}; \
    static const AFX_CLASSINIT _init_##class_name(&class_name::class##class_name); \
    CRuntimeClass* class_name::GetRuntimeClass() const \
    { \
        return RUNTIME_CLASS(class_name); \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
    CObject* PASCAL class_name::CreateObject() { return new class_name; } \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema) \
    CObject* PASCAL class_name::CreateObject() { return new class_name; } \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject)

// Casts a CObject pointer to a class after checking its runtime class;
// null when the object is of another class.
#define DYNAMIC_DOWNCAST(class_name, object) \
    ((class_name*)AfxDynamicDownCast(RUNTIME_CLASS(class_name), object))
#define STATIC_DOWNCAST(class_name, object) ((class_name*)(object))

CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);
