#pragma once
// A map from a name to a text; names are compared exactly, byte for byte.
#include "foundation/containers/MapEx.h"

class CNamedStringMap : public CMapEx<CString, LPCTSTR, CString, LPCTSTR>
{
public:
    CNamedStringMap() {}
    ~CNamedStringMap() override {}
};
