#include "framework/app/SharedFonts.h"

#include <cstddef>

CSharedFont SystemFont, GuiFont, FixedSystemFont, FixedGuiFont, GuiBoldFont, GuiSmallFont, GuiSmallBoldFont,
    GuiLargeFont, GuiLargeBoldFont, MenuFont;

const SharedFontEntry SharedFontTable[SHARED_FONT_COUNT] = {
    {"SystemFont", &SystemFont},     {"GuiFont", &GuiFont},
    {"FixedSystemFont", &FixedSystemFont}, {"FixedGuiFont", &FixedGuiFont},
    {"GuiBoldFont", &GuiBoldFont},   {"GuiSmallFont", &GuiSmallFont},
    {"GuiSmallBoldFont", &GuiSmallBoldFont}, {"GuiLargeFont", &GuiLargeFont},
    {"GuiLargeBoldFont", &GuiLargeBoldFont}, {"MenuFont", &MenuFont},
};

namespace
{
LOGFONTA CourierNew(LONG height)
{
    LOGFONTA font = {};
    font.lfHeight = height;
    lstrcpynA(font.lfFaceName, "Courier New", LF_FACESIZE);
    return font;
}

LOGFONTA Scaled(const LOGFONTA& base, int tenths)
{
    LOGFONTA font = base;
    font.lfHeight = base.lfHeight * tenths / 10;
    return font;
}

LOGFONTA Bold(const LOGFONTA& base)
{
    LOGFONTA font = base;
    font.lfWeight = FW_BOLD;
    return font;
}
}  // namespace

LOGFONTA ReadMenuLogFont()
{
    // The structure as every version of Windows knows it, without the
    // padded border width that later versions added.
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = offsetof(NONCLIENTMETRICSA, lfMessageFont) + sizeof(LOGFONTA);
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
        return metrics.lfMenuFont;
    LOGFONTA font = {};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    return font;
}

void CreateSharedFonts()
{
    CClientDC dc(CWnd::GetDesktopWindow());
    SystemFont.MakeFromStock(SYSTEM_FONT, dc);
    GuiFont.MakeFromStock(DEFAULT_GUI_FONT, dc);
    FixedSystemFont.Make(CourierNew(SystemFont.m_logFont.lfHeight), dc);
    FixedGuiFont.Make(CourierNew(GuiFont.m_logFont.lfHeight), dc);
    GuiBoldFont.Make(Bold(GuiFont.m_logFont), dc);
    GuiSmallFont.Make(Scaled(GuiFont.m_logFont, 9), dc);
    GuiSmallBoldFont.Make(Bold(GuiSmallFont.m_logFont), dc);
    GuiLargeFont.Make(Scaled(GuiFont.m_logFont, 12), dc);
    GuiLargeBoldFont.Make(Bold(GuiLargeFont.m_logFont), dc);
    MenuFont.Make(ReadMenuLogFont(), dc);
}

void DeleteSharedFonts()
{
    for (const SharedFontEntry& entry : SharedFontTable)
        entry.font->Release();
}
