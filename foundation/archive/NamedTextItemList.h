#pragma once
// A named list of named-text items and further lists; it owns them.
#include "afx/core/AfxCore.h"
#include "foundation/containers/OwningObArray.h"

class CNamedTextItemList : public CObject
{
    DECLARE_SERIAL(CNamedTextItemList)

public:
    CNamedTextItemList() { Clear(); }
    ~CNamedTextItemList() override { Clear(); }

    // Deletes every element and empties the name.
    void Clear();
    // Stored form: version byte 1, the name, the element count as a word
    // (from 65,535 on, the word 0xFFFF and the count as a double word), then
    // per element a kind word (0 item, 1 list) and its own form. A failed
    // load leaves the list without elements.
    void Serialize(CArchive& ar) override;

    COwningObArray m_elements;
    CString m_strName;

private:
    CNamedTextItemList(const CNamedTextItemList&) = delete;
    CNamedTextItemList& operator=(const CNamedTextItemList&) = delete;
};
