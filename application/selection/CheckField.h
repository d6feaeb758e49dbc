#pragma once

#include "application/selection/Field.h"

// A check box of two or three states, or a group of two or three radio buttons.
class CCheckField : public CField
{
    DECLARE_DYNAMIC(CCheckField)
public:
    CCheckField();
    BOOL Create(CFieldList& list, HWND& previous) override;
    void SetFocus() override;
    void Exchange(CDataExchange* pDX) override;
    void Place(int labelWidth, int controlWidth) override;
    BOOL IsChange(UINT code, UINT id) override { return code == BN_CLICKED; }
    BOOL IsMainWindow(HWND window) const override { return !IsRadio(); }

    BOOL IsRadio() const { return (m_style & FS_RADIO) != 0; }

    int m_nValue;
    CString m_options[3];
    BOOL m_bHasLabelWindow;
    UINT m_nControlId;
};
