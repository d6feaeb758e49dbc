#pragma once

#include "application/selection/Field.h"

// A label and a one-line edit.
class CTextField : public CField
{
    DECLARE_DYNAMIC(CTextField)
public:
    CTextField();
    BOOL Create(CFieldList& list, HWND& previous) override;
    void SetFocus() override;
    void Exchange(CDataExchange* pDX) override;
    BOOL IsChange(UINT code, UINT id) override { return code == EN_CHANGE; }
    BOOL IsMainWindow(HWND window) const override;

    int m_nWidthChars;
    int m_nMinLength;
    int m_nMaxLength;
    CString m_value;
    UINT m_nControlId;

protected:
    explicit CTextField(int kind);
    BOOL CreateEdit(CFieldList& list, HWND& previous, UINT prototypeId, int lines);
};
