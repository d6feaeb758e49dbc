#pragma once

#include "afx/core/AfxCore.h"

class CRegistryKey;

// Base of objects that save and load all their values through one open key.
class CRegistryObject : public CObject
{
    DECLARE_DYNAMIC(CRegistryObject)

public:
    // Saves (save != 0) or loads every value; TRUE when all writes succeeded.
    virtual BOOL ExchangeRegistry(BOOL save, CRegistryKey& key) = 0;
};
