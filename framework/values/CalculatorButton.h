#pragma once
// The button beside an amount field: it opens the drop-down calculator on the
// typed amount and writes the accepted value back into the field with the
// data-entry currency codes. While the calculator is open the button, its
// field and the field's label are disabled.
#include "framework/controls/MyButton.h"
#include "framework/controls/MyEdit.h"

class CCalculatorButton : public CMyButton
{
    DECLARE_DYNAMIC(CCalculatorButton)

public:
    // Subclasses the button and the amount field just before it; FALSE when
    // the button cannot be subclassed.
    BOOL Attach(HWND button);

    void OnPopupValue(WPARAM high, LPARAM low) override;
    void OnPopupClosed(WPARAM wParam, LPARAM lParam) override;

    CMyEdit m_edit; // the amount field

protected:
    afx_msg BOOL OnClicked();
    DECLARE_MESSAGE_MAP()
};
