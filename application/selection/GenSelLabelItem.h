#pragma once

#include "application/selection/GenSelItem.h"

// A field with a label, which can be limited to one parent's sex.
class CGenSelLabelItem : public CGenSelItem
{
    DECLARE_DYNAMIC(CGenSelLabelItem)
public:
    CGenSelLabelItem() : m_bDisableForMale(0), m_bDisableForFemale(0), m_bFemaleOnly(0), m_bMaleOnly(0) {}
    CMyCmdTarget* Clone() const override;
    void ParseOptions(CString& error, CGeneticsSection* section, CStringArray& options) override;
    BOOL AppliesTo(const CGeneticsSection* section, int sex) const override;
    // TRUE when one of the letters f, m, F, M was given.
    BOOL HasSexFlags() const { return m_bDisableForMale || m_bDisableForFemale || m_bFemaleOnly || m_bMaleOnly; }
    // The style of the element's field for the sex: disabled for the sex that
    // "f" or "m" names, a group start when there is a group text (the
    // element's own, else the one handed in, which group receives).
    DWORD GetFieldStyle(int sex, const CString& groupText, CString& group) const;

    CString m_strLabel;
    DWORD m_bDisableForMale;    // "f"
    DWORD m_bDisableForFemale;  // "m"
    DWORD m_bFemaleOnly;        // "F"
    DWORD m_bMaleOnly;          // "M"

protected:
    void CopyLabelItem(const CGenSelLabelItem& other);
};
