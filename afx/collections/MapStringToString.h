#pragma once

#include "afx/collections/Map.h"

// Hashed map from texts to texts.
class CMapStringToString : public CMap<CString, LPCTSTR, CString, LPCTSTR>
{
    DECLARE_SERIAL(CMapStringToString)

public:
    explicit CMapStringToString(INT_PTR nBlockSize = 10);
    virtual ~CMapStringToString();
};
