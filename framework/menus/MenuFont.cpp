#include "framework/menus/MenuFont.h"

namespace
{
LOGFONTA menuLogFont;
bool menuLogFontRead = false;
}

void InitMenuLogFont()
{
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof(metrics);
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        menuLogFont = metrics.lfMenuFont;
    else
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(menuLogFont), &menuLogFont);
    menuLogFontRead = true;
}

const LOGFONTA& GetMenuLogFont()
{
    if (!menuLogFontRead)
        InitMenuLogFont();
    return menuLogFont;
}

BOOL CreateMenuFont(CFont& font)
{
    return font.CreateFontIndirect(&GetMenuLogFont());
}
