#pragma once
// The drop-down four-function calculator of an amount field: 21 keys in five
// rows under a one-line display, worked by mouse or keyboard. Accepting posts
// the value to the owner, its high 32 bits in wParam and its low 32 bits in
// lParam; closing without a value (or in the error state) posts the cancel
// notification.
#include "framework/popups/PopupWnd.h"
#include "framework/values/CalculatorKey.h"
#include "framework/values/CalculatorState.h"

#include <vector>

class CCalculatorPopup : public CPopupWnd
{
public:
    // Opens at the anchor points (below, or above when there is no room)
    // with the owner window as parent.
    CCalculatorPopup(CPoint below, CPoint above, CWnd* owner, double value);

    void SetValue(double value);
    double GetValue() const { return m_state.GetValue(); }
    CString GetDisplayText() const { return m_state.GetDisplayText(); }

    void Accept() override;
    void Cancel() override;

    CWnd* m_owner;
    CCalculatorState m_state;
    std::vector<CCalculatorKey> m_keys;
    CRect m_displayRect;
    CFont m_displayFont;
    CFont m_keyFont;
    int m_cellWidth = 0;
    int m_cellHeight = 0;
    int m_pressedKey = -1; // the key held down with the mouse
    BOOL m_tracking = FALSE;

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnChar(UINT character, UINT repeat, UINT flags);
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    DECLARE_MESSAGE_MAP()

private:
    void CreateKeys();
    void CreateFonts();
    // Places the display and the keys; the client size they need.
    CSize Layout(int displayHeight);
    int KeyAt(CPoint point) const;
    int KeyOf(int code) const;
    void PressKey(int index);
    void RunKey(int index);
    void ShowPressed(int index, BOOL pressed);
    void PaintDisplay(CDC* dc);
    void PaintKey(CDC* dc, const CCalculatorKey& key);
};

// Opens a calculator pop-up; null when its window could not be made.
CCalculatorPopup* OpenCalculatorPopup(CPoint below, CPoint above, CWnd* owner, double value);
