// Measuring and drawing the items of a CMyMenu.
#include "foundation/windows/SystemColours.h"
#include "foundation/windows/WindowsVersionCode.h"
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
        HGDIOBJ oldBrush = ::SelectObject(dc, GetSystemColourBrush(COLOR_MENUTEXT)->GetSafeHandle());
        HGDIOBJ oldPen = ::SelectObject(dc, GetSystemColourPen(COLOR_MENUTEXT)->GetSafeHandle());
        ::Ellipse(dc, box.left + 5, box.top + 4, box.left + 11, box.top + 10);
        ::SelectObject(dc, oldPen);
        ::SelectObject(dc, oldBrush);
        return;
    }
    const int firstRow[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int c = 0; c < 7; ++c)
    {
        RECT column = {box.left + 4 + c, box.top + 4 + firstRow[c], box.left + 5 + c, box.top + 7 + firstRow[c]};
        CDC::FromHandle(dc)->FillSolidRect(&column, mark);
    }
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
    HGDIOBJ oldFont = ::SelectObject(dc, font.GetSafeHandle());
    SIZE extent = {0, 0};
    ::GetTextExtentPoint32A(dc, shown, shown.GetLength(), &extent);
    ::SelectObject(dc, oldFont);
    ::ReleaseDC(window, dc);
    measure->itemWidth = extent.cx;
    measure->itemHeight = std::max(::GetSystemMetrics(SM_CYMENU), imageBoxHeight);
    BOOL onMenuBar = (item->m_flags & MF_POPUP) != 0 && m_parent != NULL && m_parent->m_menuBar;
    if (!onMenuBar)
        measure->itemWidth += 2 * MenuImageWidth + 1;
}

void CMyMenu::DrawRecord(CMyMenuItem* item, LPDRAWITEMSTRUCT draw)
{
    HDC dc = draw->hDC;
    RECT rect = draw->rcItem;
    if ((item->m_flags & MF_SEPARATOR) != 0)
    {
        RECT line = {rect.left, (rect.top + rect.bottom) / 2, rect.right, rect.bottom};
        ::DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    BOOL selected = (draw->itemState & ODS_SELECTED) != 0;
    BOOL grayed = (draw->itemState & ODS_GRAYED) != 0;
    BOOL checked = (draw->itemState & ODS_CHECKED) != 0;
    BOOL menuBar = IsDrawnAsMenuBar();

    int background = COLOR_MENU;
    BOOL flatMenus = FALSE;
    if (WindowsVersionCode > 6 && ::SystemParametersInfoA(SPI_GETFLATMENU, 0, &flatMenus, 0) && flatMenus && menuBar)
        background = COLOR_MENUBAR;
    int textColour = COLOR_MENUTEXT;
    CFont font;
    CreateMenuFont(font);

    CMyMenu* root = GetRootMenu();
    if (!item->m_imageLookedUp)
        FindItemImage(root, item);
    CImageList* images = item->m_imageIndex >= 0 ? GetMenuImageList(root, item->m_imageCode) : NULL;
    UINT column = 0;
    if (images != NULL)
    {
        column |= columnImage;
        if (selected && !grayed)
            column |= columnSelectedImage;
        if (grayed)
            column |= columnGrayedImage;
    }
    else if (checked && m_checkImages != NULL && ((selected && m_hasSelectedCheckImage) || m_hasNormalCheckImage))
    {
        column |= columnCheckImage;
    }

    if (!selected)
    {
        FillBox(dc, rect, background);
        FrameBox(dc, rect, background, background);
    }
    else
    {
        RECT highlight = rect;
        if (column != 0 || checked)
            highlight.left += 5 + MenuImageWidth;
        FillBox(dc, highlight, COLOR_HIGHLIGHT);
        textColour = COLOR_HIGHLIGHTTEXT;
    }

    int height = rect.bottom - rect.top;
    int offset = std::max(0, (height - 4 - MenuImageHeight) / 2);
    RECT box = {rect.left, rect.top + offset, rect.left + imageBoxWidth, rect.top + offset + imageBoxHeight};
    POINT imageAt = {rect.left + 2, rect.top + 2 + offset};
    if ((column & columnCheckImage) != 0)
    {
        m_checkImages->Draw(CDC::FromHandle(dc), selected ? 1 : 0, imageAt, ILD_TRANSPARENT);
    }
    else if ((column & columnGrayedImage) != 0)
    {
        FrameBox(dc, box, background, background);
        DrawDisabledMenuImage(CDC::FromHandle(dc), images, item->m_imageIndex, imageAt.x, imageAt.y);
    }
    else if ((column & columnSelectedImage) != 0)
    {
        FillBox(dc, box, background);
        if (checked)
            FrameBox(dc, box, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
        else
            FrameBox(dc, box, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);
        images->Draw(CDC::FromHandle(dc), item->m_imageIndex, imageAt, ILD_TRANSPARENT);
    }
    else if ((column & columnImage) != 0)
    {
        if (!checked)
        {
            FillBox(dc, box, background);
        }
        else
        {
            RECT inside = box;
            ::InflateRect(&inside, -1, -1);
            FillBox(dc, inside, COLOR_3DLIGHT);
            FrameBox(dc, box, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
        }
        images->Draw(CDC::FromHandle(dc), item->m_imageIndex, imageAt, ILD_TRANSPARENT);
    }
    else if (checked)
    {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_CHECKMARKS | MIIM_FTYPE;
        int position = (int)(std::find(m_items.begin(), m_items.end(), item) - m_items.begin());
        // A radio item carries a checked-state bitmap, or the radio-check type
        // that CheckMenuRadioItem gives it.
        BOOL radio = ::GetMenuItemInfoA(m_hMenu, position, TRUE, &info) &&
                     (info.hbmpChecked != NULL || (info.fType & MFT_RADIOCHECK) != 0);
        RECT checkBox = {rect.left + 1, rect.top + 2 + offset, rect.left + 1 + MenuImageWidth,
                         rect.top + 2 + offset + MenuImageHeight};
        DrawCheckBox(dc, checkBox, selected, radio);
    }

    if (item->m_text.IsEmpty())
        return;
    RECT textRect = {rect.left + (menuBar ? 0 : 9 + MenuImageWidth), rect.top - 1, rect.right, rect.bottom - 1};
    CString label = item->m_text;
    CString accelerator;
    int tab = label.Find('\t');
    if (tab >= 0)
    {
        accelerator = label.Mid(tab + 1);
        label = label.Left(tab);
        textRect.right -= MenuImageWidth;
    }
    HGDIOBJ oldFont = ::SelectObject(dc, font.GetSafeHandle());
    int oldMode = ::SetBkMode(dc, TRANSPARENT);
    UINT labelFormat = DT_SINGLELINE | DT_VCENTER | (menuBar ? DT_CENTER : 0);
    UINT acceleratorFormat = DT_SINGLELINE | DT_VCENTER | DT_RIGHT;
    auto drawTexts = [&](const RECT& place, int colour) {
        ::SetTextColor(dc, GetSystemColour(colour));
        RECT labelRect = place, acceleratorRect = place;
        ::DrawTextA(dc, label, label.GetLength(), &labelRect, labelFormat);
        if (!accelerator.IsEmpty())
            ::DrawTextA(dc, accelerator, accelerator.GetLength(), &acceleratorRect, acceleratorFormat);
    };
    if (!grayed)
    {
        drawTexts(textRect, textColour);
    }
    else if (!selected)
    {
        RECT shifted = textRect;
        ::OffsetRect(&shifted, 1, 1);
        drawTexts(shifted, COLOR_BTNHIGHLIGHT);
        drawTexts(textRect, COLOR_GRAYTEXT);
    }
    else
    {
        drawTexts(textRect, background);
    }
    ::SetBkMode(dc, oldMode);
    ::SelectObject(dc, oldFont);
}
