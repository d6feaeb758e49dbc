// Measuring and drawing the items of a CMyMenu.
#include "foundation/windows/SelectedObject.h"
#include "foundation/windows/SystemColours.h"
#include "foundation/system/WindowsVersionCode.h"
#include "framework/menus/MenuFont.h"
#include "framework/menus/MenuImages.h"
#include "framework/menus/MyMenu.h"
#include "framework/menus/MyMenuItem.h"

#include <algorithm>

#ifndef SPI_GETFLATMENU
#define SPI_GETFLATMENU 0x1022
#endif
#ifndef COLOR_MENUBAR
#define COLOR_MENUBAR 30
#endif

namespace
{
// The image column: an image box 4 pixels larger than the image.
const int imageBoxWidth = MenuImageWidth + 4;
const int imageBoxHeight = MenuImageHeight + 4;

enum ImageColumn
{
    columnImage = 1,
    columnSelectedImage = 2,
    columnGrayedImage = 4,
    columnCheckImage = 8
};

void FrameBox(HDC dc, const RECT& box, int topLeftColour, int bottomRightColour)
{
    CDC* target = CDC::FromHandle(dc);
    target->Draw3dRect(&box, GetSystemColour(topLeftColour), GetSystemColour(bottomRightColour));
}

void FillBox(HDC dc, const RECT& box, int colour)
{
    ::FillRect(dc, &box, (HBRUSH)GetSystemColourBrush(colour)->GetSafeHandle());
}

// A check mark of 7 columns of 3 pixels, or a round dot for a radio item.
void DrawCheckBox(HDC dc, const RECT& box, BOOL selected, BOOL radio)
{
    FillBox(dc, box, selected ? COLOR_MENU : COLOR_3DLIGHT);
    RECT edge = box;
    ::DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    COLORREF mark = GetSystemColour(COLOR_MENUTEXT);
    if (radio)
    {
        CSelectedObject brush(dc, GetSystemColourBrush(COLOR_MENUTEXT)->GetSafeHandle());
        CSelectedObject pen(dc, GetSystemColourPen(COLOR_MENUTEXT)->GetSafeHandle());
        ::Ellipse(dc, box.left + 5, box.top + 4, box.left + 11, box.top + 10);
        return;
    }
    const int firstRow[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int c = 0; c < 7; ++c)
    {
        RECT column = {box.left + 4 + c, box.top + 4 + firstRow[c], box.left + 5 + c, box.top + 7 + firstRow[c]};
        CDC::FromHandle(dc)->FillSolidRect(&column, mark);
    }
}

// How an item is drawn: where, in which state, on which background.
struct ItemLook
{
    HDC dc;
    RECT rect;
    BOOL selected;
    BOOL grayed;
    BOOL checked;
    BOOL menuBar;
    int background;
};

ItemLook LookOf(const DRAWITEMSTRUCT* draw, BOOL menuBar)
{
    ItemLook look = {draw->hDC, draw->rcItem, (draw->itemState & ODS_SELECTED) != 0,
                     (draw->itemState & ODS_GRAYED) != 0, (draw->itemState & ODS_CHECKED) != 0, menuBar, COLOR_MENU};
    // With flat menus the menu bar has a colour of its own.
    BOOL flatMenus = FALSE;
    if (WindowsVersionCode >= WindowsXPCode && ::SystemParametersInfoA(SPI_GETFLATMENU, 0, &flatMenus, 0) &&
        flatMenus && menuBar)
        look.background = COLOR_MENUBAR;
    return look;
}

void DrawSeparator(HDC dc, const RECT& rect)
{
    RECT line = {rect.left, (rect.top + rect.bottom) / 2, rect.right, rect.bottom};
    ::DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
}

// What the image column shows: the command's image (selected or grayed), a
// check image, or nothing (0).
UINT ImageColumnOf(const ItemLook& look, BOOL hasImage, BOOL hasCheckImage)
{
    if (hasImage)
    {
        UINT column = columnImage;
        if (look.selected && !look.grayed)
            column |= columnSelectedImage;
        if (look.grayed)
            column |= columnGrayedImage;
        return column;
    }
    return look.checked && hasCheckImage ? columnCheckImage : 0;
}

// Fills the item's background; a selected item's highlight leaves a
// filled image column alone. Answers the colour of the item's text.
int DrawItemBackground(const ItemLook& look, UINT column)
{
    if (!look.selected)
    {
        FillBox(look.dc, look.rect, look.background);
        FrameBox(look.dc, look.rect, look.background, look.background);
        return COLOR_MENUTEXT;
    }
    RECT highlight = look.rect;
    if (column != 0 || look.checked)
        highlight.left += 5 + MenuImageWidth;
    FillBox(look.dc, highlight, COLOR_HIGHLIGHT);
    return COLOR_HIGHLIGHTTEXT;
}

// How far the image column lies below the item's top, to centre it.
int ImageOffset(const RECT& rect)
{
    const int height = rect.bottom - rect.top;
    return std::max(0, (height - 4 - MenuImageHeight) / 2);
}

// The image of the column: a check image, or the command's image raised when
// selected, sunken when checked, embossed when grayed.
void DrawItemImage(const ItemLook& look, UINT column, CImageList* images, int imageIndex)
{
    const RECT& rect = look.rect;
    const int offset = ImageOffset(rect);
    RECT box = {rect.left, rect.top + offset, rect.left + imageBoxWidth, rect.top + offset + imageBoxHeight};
    POINT imageAt = {rect.left + 2, rect.top + 2 + offset};
    CDC* dc = CDC::FromHandle(look.dc);
    if ((column & columnCheckImage) != 0)
    {
        images->Draw(dc, look.selected ? 1 : 0, imageAt, ILD_TRANSPARENT);
        return;
    }
    if ((column & columnGrayedImage) != 0)
    {
        FrameBox(look.dc, box, look.background, look.background);
        DrawDisabledMenuImage(dc, images, imageIndex, imageAt.x, imageAt.y);
        return;
    }
    if ((column & columnSelectedImage) != 0)
    {
        FillBox(look.dc, box, look.background);
        if (look.checked)
            FrameBox(look.dc, box, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
        else
            FrameBox(look.dc, box, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);
    }
    else if (!look.checked)
    {
        FillBox(look.dc, box, look.background);
    }
    else
    {
        RECT inside = box;
        ::InflateRect(&inside, -1, -1);
        FillBox(look.dc, inside, COLOR_3DLIGHT);
        FrameBox(look.dc, box, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
    }
    images->Draw(dc, imageIndex, imageAt, ILD_TRANSPARENT);
}

// The drawn check mark's place, in the image column.
RECT CheckBoxOf(const RECT& rect)
{
    const int top = rect.top + 2 + ImageOffset(rect);
    return {rect.left + 1, top, rect.left + 1 + MenuImageWidth, top + MenuImageHeight};
}

// The label, and the accelerator text after a tab right-aligned; a grayed
// item's text embossed, or in the background colour when selected.
void DrawItemText(const ItemLook& look, const CString& text, int textColour)
{
    const RECT& rect = look.rect;
    RECT textRect = {rect.left + (look.menuBar ? 0 : 9 + MenuImageWidth), rect.top - 1, rect.right, rect.bottom - 1};
    CString label = text;
    CString accelerator;
    int tab = label.Find('\t');
    if (tab >= 0)
    {
        accelerator = label.Mid(tab + 1);
        label = label.Left(tab);
        textRect.right -= MenuImageWidth;
    }
    HDC dc = look.dc;
    CFont font;
    CreateMenuFont(font);
    CSelectedObject selectedFont(dc, font.GetSafeHandle());
    int oldMode = ::SetBkMode(dc, TRANSPARENT);
    UINT labelFormat = DT_SINGLELINE | DT_VCENTER | (look.menuBar ? DT_CENTER : 0);
    UINT acceleratorFormat = DT_SINGLELINE | DT_VCENTER | DT_RIGHT;
    auto drawTexts = [&](const RECT& place, int colour) {
        ::SetTextColor(dc, GetSystemColour(colour));
        RECT labelRect = place, acceleratorRect = place;
        ::DrawTextA(dc, label, label.GetLength(), &labelRect, labelFormat);
        if (!accelerator.IsEmpty())
            ::DrawTextA(dc, accelerator, accelerator.GetLength(), &acceleratorRect, acceleratorFormat);
    };
    if (!look.grayed)
    {
        drawTexts(textRect, textColour);
    }
    else if (!look.selected)
    {
        RECT shifted = textRect;
        ::OffsetRect(&shifted, 1, 1);
        drawTexts(shifted, COLOR_BTNHIGHLIGHT);
        drawTexts(textRect, COLOR_GRAYTEXT);
    }
    else
    {
        drawTexts(textRect, look.background);
    }
    ::SetBkMode(dc, oldMode);
}
}

void CMyMenu::MeasureItem(LPMEASUREITEMSTRUCT measure)
{
    CMyMenuItem* item = (CMyMenuItem*)measure->itemData;
    if (item != NULL && item->m_menu != NULL)
        item->m_menu->MeasureRecord(item, measure);
}

void CMyMenu::DrawItem(LPDRAWITEMSTRUCT draw)
{
    CMyMenuItem* item = (CMyMenuItem*)draw->itemData;
    if (item != NULL && item->m_menu != NULL)
        item->m_menu->DrawRecord(item, draw);
}

void CMyMenu::MeasureRecord(CMyMenuItem* item, LPMEASUREITEMSTRUCT measure)
{
    if ((item->m_flags & MF_SEPARATOR) != 0)
    {
        measure->itemWidth = 0;
        measure->itemHeight = ::GetSystemMetrics(SM_CYMENU) / 2;
        return;
    }
    // The label and the accelerator text are kept apart by a few blanks.
    CString shown = RemoveMnemonicMarks(item->m_text);
    shown.Replace("\t", "    ");
    CWnd* mainWindow = AfxGetMainWnd();
    HWND window = mainWindow != NULL ? mainWindow->GetSafeHwnd() : NULL;
    HDC dc = ::GetDC(window);
    CFont font;
    CreateMenuFont(font);
    SIZE extent = {0, 0};
    {
        CSelectedObject selectedFont(dc, font.GetSafeHandle());
        ::GetTextExtentPoint32A(dc, shown, shown.GetLength(), &extent);
    }
    ::ReleaseDC(window, dc);
    measure->itemWidth = extent.cx;
    measure->itemHeight = std::max(::GetSystemMetrics(SM_CYMENU), imageBoxHeight);
    BOOL onMenuBar = (item->m_flags & MF_POPUP) != 0 && m_parent != NULL && m_parent->m_menuBar;
    if (!onMenuBar)
        measure->itemWidth += 2 * MenuImageWidth + 1;
}

void CMyMenu::DrawRecord(CMyMenuItem* item, LPDRAWITEMSTRUCT draw)
{
    if ((item->m_flags & MF_SEPARATOR) != 0)
    {
        DrawSeparator(draw->hDC, draw->rcItem);
        return;
    }
    const ItemLook look = LookOf(draw, IsDrawnAsMenuBar());
    CMyMenu* root = GetRootMenu();
    if (!item->m_imageLookedUp)
        FindItemImage(root, item);
    CImageList* images = item->m_imageIndex >= 0 ? GetMenuImageList(root, item->m_imageCode) : NULL;
    const BOOL hasCheckImage =
        m_checkImages != NULL && ((look.selected && m_hasSelectedCheckImage) || m_hasNormalCheckImage);
    const UINT column = ImageColumnOf(look, images != NULL, hasCheckImage);

    const int textColour = DrawItemBackground(look, column);
    if ((column & columnCheckImage) != 0)
        DrawItemImage(look, column, m_checkImages, 0);
    else if (column != 0)
        DrawItemImage(look, column, images, item->m_imageIndex);
    else if (look.checked)
        DrawCheckBox(look.dc, CheckBoxOf(look.rect), look.selected, IsRadioItem(item));
    if (!item->m_text.IsEmpty())
        DrawItemText(look, item->m_text, textColour);
}

BOOL CMyMenu::IsRadioItem(CMyMenuItem* item) const
{
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_CHECKMARKS | MIIM_FTYPE;
    int position = (int)(std::find_if(m_items.begin(), m_items.end(),
                                      [item](const std::unique_ptr<CMyMenuItem>& held) { return held.get() == item; }) -
                         m_items.begin());
    // A radio item carries a checked-state bitmap, or the radio-check type
    // that CheckMenuRadioItem gives it.
    return ::GetMenuItemInfoA(m_hMenu, position, TRUE, &info) &&
           (info.hbmpChecked != NULL || (info.fType & MFT_RADIOCHECK) != 0);
}
