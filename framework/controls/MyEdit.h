#pragma once
// The framework's edit control: its own text and background colours, caret
// placement on focus, EN_CHANGE also when the program sets the text, and
// helpers that read the selection and the text of single- and multi-line
// fields.
#include "afx/AfxWin.h"

class CMyEdit : public CEdit
{
    DECLARE_DYNAMIC(CMyEdit)

public:
    CMyEdit();
    ~CMyEdit() override;

    // Both return the previous colour; from then on the control's own
    // colours are applied.
    COLORREF SetBackgroundColour(COLORREF colour);
    COLORREF SetTextColour(COLORREF colour);

    // Reads the selection: the selected text, its ends, the text before and
    // after it (outputs may be null). TRUE when something is selected.
    BOOL GetSelection(CString* selected, int* start = NULL, int* end = NULL, CString* before = NULL,
                      CString* after = NULL) const;
    // The whole text; TRUE when it is not empty.
    BOOL GetWholeText(CString& text) const;

    virtual void OnReplaceSelection(BOOL hadSelection) {}

    int m_notifyOnSetText;
    int m_ownColours;
    int m_brushMade;
    CBrush m_brush;
    COLORREF m_backgroundColour;
    COLORREF m_textColour;
    int m_caretOnFocus;
    UINT m_enlargedEditor;
    int m_deleteWithWindow;

protected:
    void PostNcDestroy() override;
    CString ReadText() const;

    afx_msg void OnSetFocus(CWnd* oldWnd);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg HBRUSH CtlColor(CDC* dc, UINT ctlColor);
    // With an enlarged editor, opens it on the whole text; OK puts the
    // edited text into the field.
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);

    DECLARE_MESSAGE_MAP()
};
