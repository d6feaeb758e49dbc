#include "framework/values/CalculatorPopup.h"

#include "foundation/windows/SelectedObject.h"
#include "framework/windows/WindowMeasures.h"

#include <algorithm>
#include <ctype.h>
#include <string.h>

namespace
{
    const int Margin = 4;
    const int Gap = 1;
    const int RowUnits = 5;
    const COLORREF DigitColour = 0x8B0000;
    const COLORREF OperatorColour = 0x00008B;
    const COLORREF ClearColour = 0x800080;
    const COLORREF ButtonTextColour = 0xFFFFFFFF;

    struct KeyDefinition
    {
        const char* label;
        int width;
        int code;
        const char* characters;
        COLORREF colour;
        bool startsRow;
    };

    const KeyDefinition keyTable[] = {
        {"7", 1, 16, "7", DigitColour, true},      {"8", 1, 17, "8", DigitColour, false},
        {"9", 1, 18, "9", DigitColour, false},     {"*", 1, CALC_MULTIPLY, "*", OperatorColour, false},
        {"+", 1, CALC_ADD, "+", OperatorColour, false},
        {"4", 1, 13, "4", DigitColour, true},      {"5", 1, 14, "5", DigitColour, false},
        {"6", 1, 15, "6", DigitColour, false},     {"/", 1, CALC_DIVIDE, "/", OperatorColour, false},
        {"-", 1, CALC_SUBTRACT, "-", OperatorColour, false},
        {"1", 1, 10, "1", DigitColour, true},      {"2", 1, 11, "2", DigitColour, false},
        {"3", 1, 12, "3", DigitColour, false},     {"%", 1, CALC_PERCENT, "%", OperatorColour, false},
        {"Del", 1, CALC_DELETE, "\b", ClearColour, false},
        {"0", 2, 9, "0", DigitColour, true},       {".", 1, CALC_POINT, ".", DigitColour, false},
        {"C", 1, CALC_CLEAR, "c", ClearColour, false}, {"CE", 1, CALC_CLEAR_ENTRY, "e", ClearColour, false},
        {"=", 4, CALC_EQUALS, "=", OperatorColour, true}, {"OK", 1, CALC_OK, "ok", ButtonTextColour, false},
    };

    void Frame(CDC* dc, CRect& rect, int topLeft, int bottomRight)
    {
        dc->Draw3dRect(&rect, ::GetSysColor(topLeft), ::GetSysColor(bottomRight));
        rect.DeflateRect(1, 1);
    }
}

BEGIN_MESSAGE_MAP(CCalculatorPopup, CPopupWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_CANCELMODE()
    ON_WM_GETDLGCODE()
    ON_WM_CHAR()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CCalculatorPopup::CCalculatorPopup(CPoint below, CPoint above, CWnd* owner, double value) : m_owner(owner)
{
    m_state.Reset();
    CreateKeys();
    CreateFonts();

    CClientDC screen(NULL);
    CSize size;
    int point = 0, zero = 1;
    {
        CSelectedObject displayFont(&screen, &m_displayFont);
        CRect measure(0, 0, 0, 0);
        screen.DrawText(".", 1, &measure, DT_CALCRECT | DT_SINGLELINE);
        size = Layout(measure.Height() + 4);
        // Digits the display holds.
        point = screen.GetTextExtent(".", 1).cx;
        zero = std::max(1, (int)screen.GetTextExtent("0", 1).cx);
    }
    m_state.SetCapacity((m_displayRect.Width() - 4 - point) / zero - 1);

    CRect window(0, 0, size.cx, size.cy);
    ::AdjustWindowRectEx(&window, WS_POPUP | WS_VISIBLE | WS_BORDER, FALSE, 0);
    CRect rect = CalcPopupRect(below.x, below.y, above.x, above.y, window.Width(), window.Height());
    if (!CreatePopupWindow(owner, rect))
        return;
    SetValue(value);
    UpdateWindow();
    SetFocus();
}

void CCalculatorPopup::CreateKeys()
{
    if (!m_keys.empty())
        return;
    for (const KeyDefinition& definition : keyTable)
    {
        CCalculatorKey key;
        key.label = definition.label;
        key.characters = definition.characters;
        key.colour = definition.colour;
        key.width = definition.width;
        key.startsRow = definition.startsRow;
        key.pressed = FALSE;
        key.code = definition.code;
        m_keys.push_back(key);
    }
}

void CCalculatorPopup::CreateFonts()
{
    LOGFONTA font;
    HFONT ownerFont = m_owner != NULL ? (HFONT)m_owner->SendMessage(WM_GETFONT, 0, 0) : NULL;
    if (ownerFont == NULL)
        ownerFont = (HFONT)::GetStockObject(SYSTEM_FONT);
    ::GetObjectA(ownerFont, sizeof(font), &font);
    m_displayFont.CreateFontIndirect(&font);
    m_keyFont.CreateFontIndirect(&font);

    CSize cell = DialogUnitsToPixels(16, 14, m_owner);
    m_cellWidth = cell.cx;
    m_cellHeight = cell.cy;
}

CSize CCalculatorPopup::Layout(int displayHeight)
{
    int rowWidth = RowUnits * m_cellWidth + (RowUnits - 1) * Gap;
    m_displayRect = CRect(Margin, Margin, Margin + rowWidth, Margin + displayHeight);
    int x = Margin;
    int y = m_displayRect.bottom + Gap;
    for (size_t i = 0; i < m_keys.size(); i++)
    {
        CCalculatorKey& key = m_keys[i];
        if (key.startsRow && i > 0)
        {
            y += m_cellHeight + Gap;
            x = Margin;
        }
        int width = key.width * m_cellWidth + (key.width - 1) * Gap;
        key.rect = CRect(x, y, x + width, y + m_cellHeight);
        x += width + Gap;
    }
    return CSize(m_displayRect.right + Margin, y + m_cellHeight + Margin);
}

void CCalculatorPopup::SetValue(double value)
{
    m_state.SetValue(value);
    if (GetSafeHwnd() != NULL)
        InvalidateRect(&m_displayRect);
}

int CCalculatorPopup::KeyOf(int code) const
{
    for (size_t i = 0; i < m_keys.size(); i++)
    {
        if (m_keys[i].code == code)
            return (int)i;
    }
    return -1;
}

int CCalculatorPopup::KeyAt(CPoint point) const
{
    for (size_t i = 0; i < m_keys.size(); i++)
    {
        if (m_keys[i].rect.PtInRect(point))
            return (int)i;
    }
    return -1;
}

void CCalculatorPopup::ShowPressed(int index, BOOL pressed)
{
    if (index < 0 || m_keys[index].pressed == pressed)
        return;
    m_keys[index].pressed = pressed;
    if (GetSafeHwnd() != NULL)
    {
        InvalidateRect(&m_keys[index].rect);
        UpdateWindow();
    }
}

void CCalculatorPopup::PressKey(int index)
{
    ShowPressed(index, TRUE);
    RunKey(index);
    if (GetSafeHwnd() != NULL)
        ShowPressed(index, FALSE);
}

void CCalculatorPopup::RunKey(int index)
{
    int code = m_keys[index].code;
    if (code == CALC_OK)
    {
        PostMessage(WM_KEYDOWN, VK_RETURN, 0);
        return;
    }
    if (!m_state.Press(code))
        ::MessageBeep(0xFFFFFFFF);
    InvalidateRect(&m_displayRect);
}

void CCalculatorPopup::OnChar(UINT character, UINT repeat, UINT flags)
{
    char typed = (char)tolower((BYTE)character);
    for (size_t i = 0; i < m_keys.size(); i++)
    {
        if (m_keys[i].characters.Find(typed) >= 0)
        {
            PressKey((int)i);
            return;
        }
    }
    Default();
}

void CCalculatorPopup::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    switch (key)
    {
    case VK_RETURN:
        if (!m_state.IsError())
            m_state.Press(CALC_EQUALS);
        Accept();
        return;
    case VK_DELETE:
        PressKey(KeyOf(CALC_DELETE));
        return;
    case VK_SPACE:
        Accept();
        return;
    default:
        break;
    }
    CPopupWnd::OnKeyDown(key, repeat, flags);
}

UINT CCalculatorPopup::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
}

void CCalculatorPopup::OnLButtonDown(UINT flags, CPoint point)
{
    SetFocus();
    int index = KeyAt(point);
    if (index < 0)
        return;
    SetCapture();
    m_tracking = TRUE;
    m_pressedKey = index;
    ShowPressed(index, TRUE);
}

void CCalculatorPopup::OnMouseMove(UINT flags, CPoint point)
{
    if (m_tracking && m_pressedKey >= 0)
        ShowPressed(m_pressedKey, m_keys[m_pressedKey].rect.PtInRect(point));
}

void CCalculatorPopup::OnLButtonUp(UINT flags, CPoint point)
{
    if (!m_tracking)
        return;
    int index = m_pressedKey;
    m_tracking = FALSE;
    m_pressedKey = -1;
    ::ReleaseCapture();
    ShowPressed(index, FALSE);
    if (index >= 0 && m_keys[index].rect.PtInRect(point))
        RunKey(index);
}

void CCalculatorPopup::OnCancelMode()
{
    if (m_tracking)
    {
        m_tracking = FALSE;
        ::ReleaseCapture();
        ShowPressed(m_pressedKey, FALSE);
        m_pressedKey = -1;
    }
}

void CCalculatorPopup::OnPaint()
{
    CPaintDC dc(this);
    CRect update = dc.m_ps.rcPaint;
    CRect overlap;
    if (overlap.IntersectRect(&update, &m_displayRect))
        PaintDisplay(&dc);
    for (const CCalculatorKey& key : m_keys)
    {
        if (overlap.IntersectRect(&update, &key.rect))
            PaintKey(&dc, key);
    }
}

void CCalculatorPopup::PaintDisplay(CDC* dc)
{
    CRect rect = m_displayRect;
    Frame(dc, rect, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
    Frame(dc, rect, COLOR_WINDOWFRAME, COLOR_BTNFACE);
    dc->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    CSelectedObject displayFont(dc, &m_displayFont);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    rect.DeflateRect(2, 0);
    dc->DrawText(m_state.GetDisplayText(), &rect, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void CCalculatorPopup::PaintKey(CDC* dc, const CCalculatorKey& key)
{
    CRect rect = key.rect;
    Frame(dc, rect, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
    dc->Draw3dRect(&rect, ::GetSysColor(COLOR_WINDOWFRAME), ::GetSysColor(COLOR_WINDOWFRAME));
    rect.DeflateRect(1, 1);
    if (key.pressed)
    {
        Frame(dc, rect, COLOR_BTNSHADOW, COLOR_BTNSHADOW);
        dc->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
        rect.OffsetRect(2, 2);
    }
    else
    {
        Frame(dc, rect, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);
        Frame(dc, rect, COLOR_3DLIGHT, COLOR_BTNSHADOW);
        dc->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    }
    CSelectedObject keyFont(dc, &m_keyFont);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(key.colour == ButtonTextColour ? ::GetSysColor(COLOR_BTNTEXT) : key.colour);
    dc->DrawText(key.label, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void CCalculatorPopup::Accept()
{
    if (m_state.IsError())
        NotifyCancelled(m_owner);
    else
    {
        double value = m_state.GetValue();
        unsigned long long bits;
        memcpy(&bits, &value, sizeof(bits));
        NotifySelected(m_owner, (WPARAM)(DWORD)(bits >> 32), (LPARAM)(DWORD)bits);
    }
    CPopupWnd::Accept();
}

void CCalculatorPopup::Cancel()
{
    NotifyCancelled(m_owner);
    CPopupWnd::Cancel();
}

CCalculatorPopup* OpenCalculatorPopup(CPoint below, CPoint above, CWnd* owner, double value)
{
    return ReleaseToWindow(std::make_unique<CCalculatorPopup>(below, above, owner, value));
}
