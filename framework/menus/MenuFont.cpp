#include "framework/menus/MenuFont.h"

#include "framework/app/SharedFonts.h"

const LOGFONTA& GetMenuLogFont()
{
    static const LOGFONTA noFont = {};
    if (MenuFont.GetSafeHandle() == NULL && memcmp(&MenuFont.m_logFont, &noFont, sizeof(noFont)) == 0)
        MenuFont.m_logFont = ReadMenuLogFont();
    return MenuFont.m_logFont;
}

BOOL CreateMenuFont(CFont& font)
{
    return font.CreateFontIndirect(&GetMenuLogFont());
}
