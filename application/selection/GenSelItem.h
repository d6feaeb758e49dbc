#pragma once

#include "application/selection/GenSelElement.h"

// Style bits of a selection field.
const DWORD GENSEL_STYLE_GROUP = 0x10;

// An element that adds a field to the selection form.
class CGenSelItem : public CGenSelElement
{
    DECLARE_DYNAMIC(CGenSelItem)
public:
    CGenSelItem() : m_nStyle(0) {}
    CMyCmdTarget* Clone() const override;
    void ParseOptions(CString& error, CGeneticsSection* section, CStringArray& options) override;
    BOOL AppliesTo(const CGeneticsSection* section, int sex) const override;

    DWORD m_nStyle;
    CString m_strHelp;
    CString m_strGroup;
    // Flag letters that this class does not know, for the derived classes.
    CString m_strLeftoverFlags;

protected:
    void CopyItem(const CGenSelItem& other);
    // Removes every copy of the letter from the leftover flags; TRUE when there was one.
    BOOL TakeFlag(char letter);
};
