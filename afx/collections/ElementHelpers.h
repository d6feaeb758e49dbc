// Element operations of the collection templates: construction, destruction,
// relocation, comparison and hashing. Specialise CompareElements or HashKey
// for key types that need their own.
#pragma once

#include <new>
#include <type_traits>

#include "afx/strings/String.h"

// New elements start zeroed, then their default constructor runs.
template <class TYPE>
inline void AFXAPI ConstructElements(TYPE* pElements, INT_PTR nCount)
{
    memset((void*)pElements, 0, nCount * sizeof(TYPE));
    for (; nCount-- > 0; ++pElements)
        ::new ((void*)pElements) TYPE;
}

template <class TYPE>
inline void AFXAPI DestructElements(TYPE* pElements, INT_PTR nCount)
{
    for (; nCount-- > 0; ++pElements)
        pElements->~TYPE();
}

template <class TYPE>
inline void AFXAPI CopyElements(TYPE* pDest, const TYPE* pSrc, INT_PTR nCount)
{
    while (nCount-- > 0)
        *pDest++ = *pSrc++;
}

// Moves constructed elements to uninitialised memory (the ranges may overlap);
// afterwards the source slots hold no objects.
template <class TYPE>
inline void AFXAPI RelocateElements(TYPE* pDest, TYPE* pSrc, INT_PTR nCount)
{
    if (nCount <= 0 || pDest == pSrc)
        return;
    if constexpr (std::is_trivially_copyable<TYPE>::value)
    {
        memmove((void*)pDest, (const void*)pSrc, nCount * sizeof(TYPE));
    }
    else if (pDest < pSrc)
    {
        for (INT_PTR i = 0; i < nCount; ++i)
        {
            ::new ((void*)(pDest + i)) TYPE(static_cast<TYPE&&>(pSrc[i]));
            pSrc[i].~TYPE();
        }
    }
    else
    {
        for (INT_PTR i = nCount; i-- > 0;)
        {
            ::new ((void*)(pDest + i)) TYPE(static_cast<TYPE&&>(pSrc[i]));
            pSrc[i].~TYPE();
        }
    }
}

template <class TYPE, class ARG_TYPE>
inline BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

// Integer and pointer keys hash by their value without the low four bits.
template <class ARG_KEY>
inline UINT AFXAPI HashKey(ARG_KEY key)
{
    return ((UINT)(DWORD_PTR)key) >> 4;
}

// Text keys: h = h * 33 + c over the characters taken as signed bytes,
// starting from 0, in unsigned 32-bit arithmetic. Stored map texts depend on
// the iteration order this gives.
inline UINT AFXAPI HashTextKey(LPCTSTR key)
{
    UINT nHash = 0;
    if (key != NULL)
    {
        for (; *key != '\0'; ++key)
            nHash = nHash * 33 + (UINT)(int)(signed char)*key;
    }
    return nHash;
}

template <>
inline UINT AFXAPI HashKey<LPCTSTR>(LPCTSTR key)
{
    return HashTextKey(key);
}

template <>
inline UINT AFXAPI HashKey<LPTSTR>(LPTSTR key)
{
    return HashTextKey(key);
}

template <>
inline UINT AFXAPI HashKey<const CString&>(const CString& key)
{
    return HashTextKey(key);
}

template <>
inline UINT AFXAPI HashKey<CString>(CString key)
{
    return HashTextKey(key);
}
