#pragma once
// A short list of texts with a mode and a maximum count that stores itself
// in an archive and in the registry.
#include "afx/collections/StringArray.h"
#include "foundation/settings/RegistryObject.h"

class CPersistedList : public CRegistryObject
{
    DECLARE_SERIAL(CPersistedList)

public:
    CPersistedList() {}

    DWORD m_mode = 0;
    CStringArray m_texts;
    int m_maxCount = 9;

    void Serialize(CArchive& ar) override;
    // "Mode", "Max" (1..9), "Count" (0..Max) and "Item0".."Item8"; loading
    // replaces the texts. 0 when saving a value failed.
    BOOL ExchangeRegistry(BOOL save, CRegistryKey& key) override;
};
