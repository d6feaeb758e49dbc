#pragma once
// The framework's push button: always owner-drawn, with a text and optional
// image, or one of five small glyphs; optionally flat with a raised frame
// while the mouse is over it.
#include "afx/app/AfxWin.h"
#include "framework/controls/ItemDrawStyle.h"

class CMyToolTipCtrl;
class CListAction;
class CMyListBox;
class CMyComboBox;

enum ButtonGlyph
{
    GLYPH_NONE = 0,
    GLYPH_DOWN_ARROW = 1,
    GLYPH_RIGHT_ARROW = 2,
    GLYPH_DOTS = 3,
    GLYPH_ASTERISK = 4,
    GLYPH_CROSS = 5,
};

class CMyButton : public CButton
{
    DECLARE_DYNCREATE(CMyButton)

public:
    CMyButton();

    int SetImage(UINT imageSource, COLORREF maskColour, int width, int height, int normalImage, int disabledImage);
    void SetImageAlignment(int side);
    // Sets the black outline of the default push button; returns the old flag.
    int SetDefault(int isDefault);
    void Redraw();

    // Screen points where a pop-up opened from the button goes (below it, or
    // above it for the drop-up point; beside it for the right-arrow glyph).
    CPoint GetDropDownPoint() const;
    CPoint GetDropUpPoint() const;

    // Enables the button and, when the window before it is an edit, that edit
    // and the static text before the edit.
    void EnableWithLabels(BOOL enable);

    // Gives the previous sibling (the label) and the button their tips, or
    // removes both.
    void SetTips(CMyToolTipCtrl* toolTip, BOOL set, LPCTSTR labelTip, LPCTSTR ownTip);

    void DrawItem(LPDRAWITEMSTRUCT item) override;
    virtual void OnPopupValue(WPARAM wParam, LPARAM lParam) {}
    virtual void OnPopupClosed(WPARAM wParam, LPARAM lParam) {}

    // The click runs the action on the linked list box, else on the linked
    // combo box, instead of reaching the parent (none of them: it does).
    CListAction* m_listAction;
    CMyListBox* m_linkedList;
    CMyComboBox* m_linkedCombo;
    int m_glyph;
    int m_cornerMark;
    COLORREF m_cornerMarkColour;
    int m_defaultFrame;
    UINT m_lastAction, m_lastState;
    CItemDrawStyle m_style;
    int m_pressed;
    int m_flat;
    int m_hoverFrameShown;
    int m_deleteWithWindow;

protected:
    void PreSubclassWindow() override;
    void PostNcDestroy() override;
    void CheckHover();
    void DrawGlyph(CDC* dc, const CRect& inner, int offset, BOOL disabled);

    afx_msg BOOL OnClicked();
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnTimer(UINT id);
    afx_msg LRESULT OnPopupValueMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPopupClosedMessage(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

void AFXAPI DDX_MyButton(CDataExchange* pDX, int nIDC, CMyButton& button);
