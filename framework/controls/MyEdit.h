#pragma once
// The framework's edit control: its own text and background colours, caret
// placement on focus, EN_CHANGE also when the program sets the text, text
// dragged out of it (Shift and the left button) and dropped into it, a
// context menu that a derived field may offer, and helpers that read the
// selection and the text of single- and multi-line fields.
#include "afx/app/AfxWin.h"
#include "framework/controls/EditDragDropSupport.h"

class CMyMenu;

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

    // The character nearest to a client point.
    int CharFromPoint(CPoint point) const;

    // Called before read or dropped text (none: nothing) takes the place of
    // the selection.
    virtual void OnReplaceSelection(BOOL hadSelection) {}
    // The menu a right click shows, built in the given empty menu or
    // elsewhere; none (the base) leaves the click to the plain edit.
    virtual CMyMenu* GetContextMenu(CMyMenu* menu, UINT keyFlags) { return NULL; }
    // Where the context menu's commands and their states come from.
    virtual CWnd* GetCommandTarget() { return GetParent(); }

    CEditDragDropSupport m_dragDrop;
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
    // A field made by subclassing a dialog's control never sees WM_CREATE:
    // it becomes a drop target here.
    void PreSubclassWindow() override;
    CString ReadText() const;

    afx_msg int OnCreate(LPCREATESTRUCT createStruct);
    afx_msg void OnDestroy();
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnRButtonDown(UINT flags, CPoint point);
    afx_msg LRESULT OnStyleChanged(WPARAM which, LPARAM);
    afx_msg LRESULT OnSetReadOnly(WPARAM, LPARAM);
    afx_msg void OnSetFocus(CWnd* oldWnd);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg HBRUSH CtlColor(CDC* dc, UINT ctlColor);
    // With an enlarged editor, opens it on the whole text; OK puts the
    // edited text into the field.
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);

    DECLARE_MESSAGE_MAP()
};
