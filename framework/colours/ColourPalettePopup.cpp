#include "framework/colours/ColourPalettePopup.h"

#include "framework/app/Preferences.h"
#include "framework/colours/CustomColours.h"
#include "framework/colours/NamedColours.h"
#include "framework/popups/PopupRect.h"

#include "foundation/settings/SettingsExchangers.h"
#include "foundation/values/ValueText.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SelectedObject.h"
#include "foundation/windows/SelectedPalette.h"
#include "foundation/windows/SystemColours.h"

#include <algorithm>
#include <commdlg.h>
#include <string.h>
#include <vector>

namespace
{
    const DWORD PopupStyle = WS_POPUP | WS_VISIBLE | WS_BORDER;
    const int Rows = (NamedColourCount + CColourPalettePopup::Columns - 1) / CColourPalettePopup::Columns;

    HFONT GuiFont()
    {
        return (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    }

    BOOL IsPaletteDevice(CDC* dc)
    {
        return (dc->GetDeviceCaps(RASTERCAPS) & RC_PALETTE) != 0;
    }
}

BEGIN_MESSAGE_MAP(CColourPalettePopup, CPopupWnd)
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_KEYDOWN()
    ON_WM_QUERYNEWPALETTE()
    ON_WM_PALETTECHANGED()
END_MESSAGE_MAP()

CColourPalettePopup::CColourPalettePopup(CPoint below, CPoint above, CWnd* owner, COLORREF colour,
                                         CCustomColours* customColours, LPCTSTR defaultText)
    : m_defaultText(defaultText != NULL ? defaultText : ""), m_owner(owner), m_initialColour(colour),
      m_currentColour(colour), m_customColours(customColours), m_rows(Rows), m_highlighted(NoItem),
      m_initialItem(NoItem), m_otherRect(0, 0, 0, 0), m_defaultRect(0, 0, 0, 0)
{
    if (customColours != NULL)
        m_otherText = AmericanEnglish ? "Other Colors..." : "Other Colours...";
    m_edgeWidth = ::GetSystemMetrics(SM_CXEDGE);
    m_edgeHeight = ::GetSystemMetrics(SM_CYEDGE);
    m_cellWidth = std::max(18, 2 * m_edgeWidth + 7);
    m_cellHeight = std::max(18, 2 * m_edgeHeight + 7);
    CreatePalette();
    ComputeSize();

    CRect window(0, 0, m_clientSize.cx, m_clientSize.cy);
    ::AdjustWindowRectEx(&window, PopupStyle, FALSE, 0);
    CRect rect = CalcPopupRect(below.x, below.y, above.x, above.y, window.Width(), window.Height());
    if (!CreatePopupWindow(owner, rect))
        return;
    m_initialItem = GetInitialItem(colour);
    UpdateWindow();
    SetFocus();
}

void CColourPalettePopup::CreatePalette()
{
    std::vector<BYTE> block(sizeof(LOGPALETTE) + (NamedColourCount - 1) * sizeof(PALETTEENTRY));
    LOGPALETTE* palette = (LOGPALETTE*)block.data();
    palette->palVersion = 0x300;
    palette->palNumEntries = NamedColourCount;
    for (int i = 0; i < NamedColourCount; i++)
    {
        COLORREF colour = NamedColourTable[i].colour;
        palette->palPalEntry[i].peRed = GetRValue(colour);
        palette->palPalEntry[i].peGreen = GetGValue(colour);
        palette->palPalEntry[i].peBlue = GetBValue(colour);
        palette->palPalEntry[i].peFlags = 0;
    }
    m_palette.CreatePalette(palette);
}

void CColourPalettePopup::ComputeSize()
{
    CSize entry(0, 0);
    if (HasDefault() || HasOther())
    {
        CDC dc;
        dc.CreateCompatibleDC(NULL);
        CSelectedObject font(dc.m_hDC, GuiFont());
        for (const CString* text : {&m_otherText, &m_defaultText})
        {
            if (text->IsEmpty())
                continue;
            CSize extent = dc.GetTextExtent(*text, text->GetLength());
            entry.cx = std::max(entry.cx, extent.cx);
            entry.cy = std::max(entry.cy, extent.cy);
        }
        entry.cx += 2 * m_edgeWidth;
        entry.cy += 2 * m_edgeHeight;
    }

    int width = Columns * m_cellWidth + 2 * m_edgeWidth;
    int height = m_rows * m_cellHeight + 2 * m_edgeHeight;
    if (HasDefault())
    {
        width = std::max(width, (int)entry.cx);
        m_defaultRect = CRect(CPoint(m_edgeWidth, m_edgeHeight), CSize(width - 2 * m_edgeWidth, entry.cy));
        height += entry.cy + 3 * m_edgeHeight;
    }
    if (HasOther())
    {
        width = std::max(width, (int)entry.cx);
        m_otherRect =
            CRect(CPoint(m_edgeWidth, height + m_edgeHeight), CSize(width - 2 * m_edgeWidth, entry.cy));
        height += entry.cy + 2 * m_edgeHeight;
    }
    m_clientSize = CSize(width, height);
}

CRect CColourPalettePopup::GetItemRect(int item) const
{
    if (item == DefaultItem)
        return m_defaultRect;
    if (item == OtherItem)
        return m_otherRect;
    CPoint origin = GridOrigin();
    return CRect(CPoint(origin.x + (item % Columns) * m_cellWidth, origin.y + (item / Columns) * m_cellHeight),
                 CSize(m_cellWidth, m_cellHeight));
}

CPoint CColourPalettePopup::GridOrigin() const
{
    int y = m_edgeHeight;
    if (HasDefault())
        y += m_defaultRect.bottom + 2 * m_edgeHeight;
    return CPoint(m_edgeWidth, y);
}

int CColourPalettePopup::HitTest(CPoint point) const
{
    if (HasOther() && m_otherRect.PtInRect(point))
        return OtherItem;
    if (HasDefault() && m_defaultRect.PtInRect(point))
        return DefaultItem;
    // Relative to the grid's corner, so that a point hits the cell drawn
    // under it.
    CPoint origin = GridOrigin();
    int x = point.x - origin.x;
    int y = point.y - origin.y;
    if (x < 0 || y < 0)
        return NoItem;
    int column = x / m_cellWidth;
    int row = y / m_cellHeight;
    if (row >= m_rows || column >= Columns)
        return NoItem;
    int item = row * Columns + column;
    return item < NamedColourCount ? item : NoItem;
}

int CColourPalettePopup::GetInitialItem(COLORREF colour) const
{
    if (colour == DEFAULT_COLOUR && HasDefault())
        return DefaultItem;
    for (int i = 0; i < NamedColourCount; i++)
        if (NamedColourTable[i].colour == colour)
            return i;
    return HasOther() ? OtherItem : NoItem;
}

int CColourPalettePopup::FirstOf(BOOL defaultFirst, int cell) const
{
    if (defaultFirst && HasDefault())
        return DefaultItem;
    if (HasOther())
        return OtherItem;
    if (!defaultFirst && HasDefault())
        return DefaultItem;
    return cell;
}

int CColourPalettePopup::NextItem(int item, UINT key) const
{
    const int last = NamedColourCount - 1;
    BOOL isCell = item >= 0;
    int row = isCell ? item / Columns : item;
    int column = isCell ? item % Columns : item;
    switch (key)
    {
    case VK_LEFT:
        if (item == DefaultItem)
            return HasOther() ? OtherItem : last;
        if (item == OtherItem)
            return last;
        if (isCell && (column >= 1 || row >= 1))
            return item - 1; // at a row's start, the last column of the row above
        return FirstOf(TRUE, last);
    case VK_UP:
        if (item == DefaultItem)
            return HasOther() ? OtherItem : last;
        if (item == OtherItem)
            return last;
        if (isCell && row >= 1)
            return item - Columns;
        return FirstOf(TRUE, last);
    case VK_RIGHT:
    case VK_DOWN:
    {
        if (item == DefaultItem)
            return 0;
        if (item == OtherItem)
            return HasDefault() ? DefaultItem : 0;
        if (key == VK_DOWN)
            row++;
        else if (column == Columns - 1)
        {
            row++;
            column = 0;
        }
        else
            column++;
        int next = row * Columns + column;
        if (row < 0 || column < 0 || next >= NamedColourCount)
            return FirstOf(FALSE, 0);
        return next;
    }
    }
    return item;
}

void CColourPalettePopup::Highlight(int item)
{
    int previous = m_highlighted;
    m_highlighted = item;
    if (previous != NoItem)
        RedrawItem(previous);
    if (item == DefaultItem)
        m_currentColour = DEFAULT_COLOUR;
    else if (item >= 0 && item < NamedColourCount)
        m_currentColour = NamedColourTable[item].colour;
    if (item != NoItem)
        RedrawItem(item);
}

void CColourPalettePopup::RedrawItem(int item)
{
    if (m_hWnd == NULL)
        return;
    CClientDC dc(this);
    DrawItem(&dc, item);
}

BOOL CColourPalettePopup::ChooseOtherColour()
{
    m_closeOnFocusLoss = FALSE;
    CCustomColours before = *m_customColours;
    CHOOSECOLORA choose;
    memset(&choose, 0, sizeof(choose));
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = ::GetParent(m_hWnd);
    choose.rgbResult = m_initialColour == DEFAULT_COLOUR ? RGB(0, 0, 0) : m_initialColour;
    choose.lpCustColors = m_customColours->m_colours;
    choose.Flags = CC_ANYCOLOR | CC_FULLOPEN | CC_RGBINIT;
    BOOL chosen = ::ChooseColorA(&choose);
    if (memcmp(before.m_colours, m_customColours->m_colours, sizeof(before.m_colours)) != 0)
        SettingsChangedFlag = TRUE;
    m_closeOnFocusLoss = TRUE;
    if (chosen)
        m_currentColour = choose.rgbResult;
    return chosen;
}

void CColourPalettePopup::Accept()
{
    if (IsClosing())
        return;
    if (m_highlighted == OtherItem && m_customColours != NULL && !ChooseOtherColour())
    {
        Cancel();
        return;
    }
    NotifySelected(m_owner, 0, (LPARAM)m_currentColour);
    CPopupWnd::Accept();
}

void CColourPalettePopup::Cancel()
{
    NotifyCancelled(m_owner);
    CPopupWnd::Cancel();
}

void CColourPalettePopup::OnMouseMove(UINT flags, CPoint point)
{
    int item = HitTest(point);
    if (item != NoItem && item != m_highlighted)
        Highlight(item);
    CPopupWnd::OnMouseMove(flags, point);
}

void CColourPalettePopup::OnLButtonUp(UINT flags, CPoint point)
{
    Default();
    int item = HitTest(point);
    if (item == NoItem)
        return;
    if (item != m_highlighted)
        Highlight(item);
    Accept();
}

void CColourPalettePopup::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    if (key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN)
        Highlight(NextItem(m_highlighted, key));
    CPopupWnd::OnKeyDown(key, repeat, flags);
}

BOOL CColourPalettePopup::OnQueryNewPalette()
{
    Invalidate();
    return TRUE;
}

void CColourPalettePopup::OnPaletteChanged(CWnd* focusWnd)
{
    if (focusWnd != this)
        Invalidate();
}

void CColourPalettePopup::OnPaint()
{
    CPaintDC dc(this);
    if (HasDefault())
        DrawItem(&dc, DefaultItem);
    for (int i = 0; i < NamedColourCount; i++)
        DrawItem(&dc, i);
    if (HasOther())
        DrawItem(&dc, OtherItem);
}

void CColourPalettePopup::DrawItem(CDC* dc, int item)
{
    if (item >= 0)
        DrawCell(dc, item);
    else if (item != NoItem)
        DrawEntry(dc, item);
}

void CColourPalettePopup::DrawCell(CDC* dc, int item)
{
    BOOL palette = IsPaletteDevice(dc) && m_palette.GetSafeHandle() != NULL;
    CSelectedPalette selectedPalette(dc->m_hDC, palette ? (HPALETTE)m_palette.GetSafeHandle() : NULL, FALSE, FALSE);
    if (palette)
        ::RealizePalette(dc->m_hDC);
    CRect rect = GetItemRect(item);
    BOOL highlighted = item == m_highlighted;
    BOOL initial = item == m_initialItem;
    ::FillRect(dc->m_hDC, &rect, (HBRUSH)GetSystemColourBrush(initial && !highlighted ? COLOR_BTNHIGHLIGHT
                                                                                       : COLOR_INFOBK)
                                     ->GetSafeHandle());
    if (highlighted)
        ::DrawEdge(dc->m_hDC, &rect, EDGE_RAISED, BF_RECT);
    else if (initial)
        ::DrawEdge(dc->m_hDC, &rect, EDGE_SUNKEN, BF_RECT);

    CRect swatch(rect);
    swatch.DeflateRect(m_edgeWidth + 1, m_edgeHeight + 1);
    COwnedGdiObject<HPEN> pen(::CreatePen(PS_SOLID, 1, GetSystemColour(COLOR_BTNSHADOW)));
    COwnedGdiObject<HBRUSH> brush(::CreateSolidBrush(0x02000000 | NamedColourTable[item].colour));
    CSelectedObject selectedPen(dc->m_hDC, pen);
    CSelectedObject selectedBrush(dc->m_hDC, brush);
    ::Rectangle(dc->m_hDC, swatch.left, swatch.top, swatch.right, swatch.bottom);
}

void CColourPalettePopup::DrawEntry(CDC* dc, int item)
{
    CRect rect = GetItemRect(item);
    BOOL highlighted = item == m_highlighted;
    BOOL initial = item == m_initialItem;
    ::FillRect(dc->m_hDC, &rect, (HBRUSH)GetSystemColourBrush(COLOR_BTNFACE)->GetSafeHandle());
    CRect inner(rect);
    inner.DeflateRect(1, 1);
    ::FillRect(dc->m_hDC, &inner,
               (HBRUSH)GetSystemColourBrush(initial && !highlighted ? COLOR_3DLIGHT : COLOR_BTNFACE)->GetSafeHandle());
    if (highlighted)
        ::DrawEdge(dc->m_hDC, &rect, BDR_RAISEDINNER, BF_RECT);
    else if (initial)
        ::DrawEdge(dc->m_hDC, &rect, BDR_SUNKENOUTER, BF_RECT);
    const CString& text = item == DefaultItem ? m_defaultText : m_otherText;
    CSelectedObject font(dc->m_hDC, GuiFont());
    int oldMode = ::SetBkMode(dc->m_hDC, TRANSPARENT);
    COLORREF oldColour = ::SetTextColor(dc->m_hDC, GetSystemColour(COLOR_BTNTEXT));
    ::DrawTextA(dc->m_hDC, text, text.GetLength(), &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::SetTextColor(dc->m_hDC, oldColour);
    ::SetBkMode(dc->m_hDC, oldMode);
}

CColourPalettePopup* OpenColourPalettePopup(CPoint below, CPoint above, CWnd* owner, COLORREF colour,
                                            CCustomColours* customColours, LPCTSTR defaultText)
{
    return ReleaseToWindow(
        std::make_unique<CColourPalettePopup>(below, above, owner, colour, customColours, defaultText));
}
