#pragma once

#include "application/selection/Field.h"
#include "framework/controls/MyButton.h"

// A push button, or a menu button.
class CButtonField : public CField
{
    DECLARE_DYNAMIC(CButtonField)
public:
    CButtonField();
    BOOL Create(CFieldList& list, HWND& previous) override;
    void SetFocus() override;
    void Exchange(CDataExchange*) override {}
    BOOL IsChange(UINT code, UINT id) override { return code == BN_CLICKED; }

    UINT m_nControlId;
    CMyButton m_button;
};
