#pragma once

#include "application/selection/GenSelElement.h"

// A page of the genotype selection form.
class CGenSelTab : public CGenSelElement
{
    DECLARE_DYNAMIC(CGenSelTab)
public:
    CMyCmdTarget* Clone() const override;
    void ParseOptions(CString& error, CGeneticsSection* section, CStringArray& options) override;

    CString m_strLabel;
    CString m_strGroup;
};
