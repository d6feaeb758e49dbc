#include "framework/colours/ColourButton.h"

#include "framework/colours/ColourPalettePopup.h"
#include "framework/colours/CustomColours.h"
#include "framework/colours/NamedColours.h"
#include "framework/controls/MyToolTipCtrl.h"
#include "framework/resources/CommandImagesIds.h"

#include "foundation/values/ValueText.h"
#include "foundation/windows/SystemColours.h"

#include <algorithm>
#include <math.h>

IMPLEMENT_DYNAMIC(CColourButton, CMyButton)

BEGIN_MESSAGE_MAP(CColourButton, CMyButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

namespace
{
    // Relative luminance of an sRGB colour, 0 (black) to 1 (white).
    double Luminance(COLORREF colour)
    {
        auto channel = [](BYTE value) {
            double c = value / 255.0;
            return c <= 0.03928 ? c / 12.92 : pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(GetRValue(colour)) + 0.7152 * channel(GetGValue(colour)) +
               0.0722 * channel(GetBValue(colour));
    }

    double Contrast(COLORREF a, COLORREF b)
    {
        double la = Luminance(a), lb = Luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    }

    // The name is written in the window's text colour, or in the window's
    // own colour on the text colour itself, as long as it can be read there:
    // below the usual 4.5:1 for body text (black on navy or dark red), the
    // window colour takes over when it stands out more.
    COLORREF NameColour(COLORREF colour)
    {
        const COLORREF windowText = GetSystemColour(COLOR_WINDOWTEXT), window = GetSystemColour(COLOR_WINDOW);
        if (colour == windowText)
            return window;
        const double readable = 4.5;
        const double onText = Contrast(colour, windowText);
        return onText < readable && Contrast(colour, window) > onText ? window : windowText;
    }

    // A display that only dithers most colours (a palette display).
    BOOL CanShowColour(COLORREF colour)
    {
        CClientDC screen(NULL);
        CDC memory;
        memory.CreateCompatibleDC(&screen);
        if ((memory.GetDeviceCaps(RASTERCAPS) & RC_PALETTE) == 0)
            return TRUE;
        return ::GetNearestColor(memory.m_hDC, colour) == colour;
    }
}

CColourButton::CColourButton() : m_colour(DEFAULT_COLOUR), m_customColours(NULL)
{
}

int CColourButton::Attach(CWnd* dialog, LPCTSTR tip, HWND button, CCustomColours* customColours,
                          LPCTSTR defaultText)
{
    if (button == NULL || !SubclassWindow(button))
        return 0;
    HWND edit = ::GetWindow(button, GW_HWNDPREV);
    if (edit != NULL && m_edit.SubclassWindow(edit))
        m_edit.m_caretOnFocus = 1;
    m_defaultText = defaultText != NULL ? defaultText : "";
    m_customColours = customColours;
    SetImage(IDB_COMMAND_IMAGES, 0xFF00FF, 16, 15, IMAGE_COLOURS, IMAGE_COLOURS);

    CMyToolTipCtrl* toolTip = dialog != NULL ? dynamic_cast<CMyToolTipCtrl*>(dialog->m_pToolTip) : NULL;
    if (toolTip != NULL)
    {
        CString editTip = tip != NULL ? tip : "";
        if (!editTip.IsEmpty())
            editTip += "\r\n\r\n";
        editTip += "Click the button on the right to change the ~colour~.";
        if (m_edit.m_hWnd != NULL)
            toolTip->SetTip(&m_edit, editTip);
        toolTip->SetTip(this, "Click this button to select a ~colour~.");
    }
    return 1;
}

void CColourButton::SetColour(COLORREF colour)
{
    m_colour = colour;
    if (m_edit.m_hWnd == NULL)
        return;
    CString text;
    COLORREF background, foreground;
    if (colour != DEFAULT_COLOUR)
    {
        background = colour;
        foreground = NameColour(colour);
        text = GetColourName(colour);
    }
    else
    {
        background = GetSystemColour(COLOR_WINDOW);
        foreground = GetSystemColour(COLOR_WINDOWTEXT);
        text = m_defaultText.IsEmpty() ? CString(DefaultColourText) : m_defaultText;
    }
    m_edit.SetBackgroundColour(background);
    m_edit.SetTextColour(foreground);
    if (!CanShowColour(background))
        text.Empty();
    m_edit.SetWindowText(text);
}

BOOL CColourButton::OnClicked()
{
    EnableWithLabels(FALSE);
    if (OpenColourPalettePopup(GetDropDownPoint(), GetDropUpPoint(), this, m_colour, m_customColours,
                               m_defaultText) == NULL)
        Reenable();
    return TRUE;
}

void CColourButton::Reenable()
{
    EnableWithLabels(TRUE);
    SetFocus();
}

void CColourButton::OnPopupValue(WPARAM, LPARAM lParam)
{
    SetColour((COLORREF)lParam);
    Reenable();
}

void CColourButton::OnPopupClosed(WPARAM, LPARAM)
{
    Reenable();
}

void AFXAPI DDX_ColourButton(CDataExchange* pDX, int editId, CColourButton& button, LPCTSTR tip,
                             LPCTSTR defaultText)
{
    if (button.m_hWnd != NULL)
        return;
    HWND edit = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, editId);
    if (edit == NULL)
        return;
    button.Attach(pDX->m_pDlgWnd, tip, ::GetWindow(edit, GW_HWNDNEXT), &CustomColours, defaultText);
}

void AFXAPI DDX_ColourValue(CDataExchange* pDX, int editId, COLORREF& colour)
{
    HWND edit = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, editId);
    if (edit == NULL || dynamic_cast<CMyEdit*>(CWnd::FromHandlePermanent(edit)) == NULL)
        return;
    CColourButton* button = dynamic_cast<CColourButton*>(CWnd::FromHandlePermanent(::GetWindow(edit, GW_HWNDNEXT)));
    if (button == NULL)
        return;
    if (pDX->m_bSaveAndValidate)
        colour = button->GetColour();
    else
        button->SetColour(colour);
}
