#pragma once

#include "application/selection/TextField.h"

// A label and a multi-line edit, with limits on lines and line lengths.
class CMultiLineField : public CTextField
{
    DECLARE_DYNAMIC(CMultiLineField)
public:
    CMultiLineField();
    BOOL Create(CFieldList& list, HWND& previous) override;
    void Exchange(CDataExchange* pDX) override;

    int m_nLines;
    int m_nMaxLines; // below 0: no limit
};
