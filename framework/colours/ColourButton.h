#pragma once
// A colour field: the edit before the button shows the colour's name on the
// colour itself; the button drops down the colour palette and shows the
// chosen colour in the edit. While the palette is open the button, its edit
// and its label are disabled.
#include "framework/controls/MyButton.h"
#include "framework/controls/MyEdit.h"

class CCustomColours;

class CColourButton : public CMyButton
{
    DECLARE_DYNAMIC(CColourButton)

public:
    CColourButton();

    // Subclasses the button and the edit before it, gives the button the
    // palette picture and both windows their tips (on the dialog's tooltip
    // control when it has one). 0 when the button cannot be subclassed.
    int Attach(CWnd* dialog, LPCTSTR tip, HWND button, CCustomColours* customColours, LPCTSTR defaultText);
    void SetColour(COLORREF colour);
    COLORREF GetColour() const { return m_colour; }

    void OnPopupValue(WPARAM wParam, LPARAM lParam) override;
    void OnPopupClosed(WPARAM wParam, LPARAM lParam) override;

    CMyEdit m_edit;
    CString m_defaultText;
    COLORREF m_colour;
    CCustomColours* m_customColours;

protected:
    afx_msg BOOL OnClicked();
    DECLARE_MESSAGE_MAP()

private:
    void Reenable();
};

// Attaches the button after the edit (once, while the button has no window)
// with the program's custom colours.
void AFXAPI DDX_ColourButton(CDataExchange* pDX, int editId, CColourButton& button, LPCTSTR tip,
                             LPCTSTR defaultText);
// Exchanges the colour of the colour field whose edit has the id.
void AFXAPI DDX_ColourValue(CDataExchange* pDX, int editId, COLORREF& colour);
