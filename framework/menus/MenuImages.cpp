#include "framework/menus/MenuImages.h"

#include "foundation/files/BitmapResource.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SelectedObject.h"
#include "foundation/windows/SystemColours.h"
#include "framework/menus/MyMenu.h"
#include "framework/menus/MyMenuItem.h"
#include "framework/windows/ToolbarResource.h"

#include <map>
#include <vector>

namespace
{
std::vector<UINT> registeredToolbars;
std::map<UINT, UINT> imageCommands;
std::map<UINT, UINT> submenuCommands;

ToolbarImageCache& ProgramWideCache()
{
    static ToolbarImageCache cache;
    return cache;
}

// The toolbar colours that follow the system's button colours.
const SystemColourMapEntry toolbarColours[] = {
    {0x000000, COLOR_BTNTEXT},
    {0x808080, COLOR_BTNSHADOW},
    {0xC0C0C0, COLOR_BTNFACE},
    {0xFFFFFF, COLOR_BTNHIGHLIGHT},
};

int IndexOf(const CUIntArray& ids, UINT command)
{
    for (INT_PTR i = 0; i < ids.GetSize(); ++i)
        if (ids[i] == command)
            return (int)i;
    return -1;
}

// The first registered toolbar that has a button for the command; 0 when none.
UINT FindRegisteredToolbar(CMyMenu* rootMenu, UINT command)
{
    for (UINT toolbar : registeredToolbars)
    {
        const CUIntArray* ids = NULL;
        if (GetToolbarImages(rootMenu, toolbar, TRUE, &ids) != 0 && IndexOf(*ids, command) >= 0)
            return toolbar;
    }
    return 0;
}
}

void AddMenuImageToolbar(UINT toolbarId)
{
    for (UINT toolbar : registeredToolbars)
        if (toolbar == toolbarId)
            return;
    registeredToolbars.push_back(toolbarId);
}

void SetMenuImageCommand(UINT command, UINT imageCommand)
{
    imageCommands[command] = imageCommand;
}

void SetSubmenuCommand(UINT command, UINT imageCommand)
{
    submenuCommands[command] = imageCommand;
}

namespace
{
BOOL LookupLink(const std::map<UINT, UINT>& links, UINT command, UINT& imageCommand)
{
    auto found = links.find(command);
    if (found == links.end())
        return FALSE;
    imageCommand = found->second;
    return TRUE;
}
} // namespace

BOOL LookupMenuImageCommand(UINT command, UINT& imageCommand)
{
    return LookupLink(imageCommands, command, imageCommand);
}

BOOL LookupSubmenuCommand(UINT command, UINT& imageCommand)
{
    return LookupLink(submenuCommands, command, imageCommand);
}

int GetToolbarImages(CMyMenu* menu, UINT toolbarId, BOOL programWide, const CUIntArray** commandIds)
{
    ToolbarImageCache& own = menu->GetImageCache();
    int position = own.Find(toolbarId);
    if (position >= 0)
    {
        *commandIds = &own.GetCommandIds(position);
        return position + 1;
    }
    ToolbarImageCache& shared = ProgramWideCache();
    position = shared.Find(toolbarId);
    if (position >= 0)
    {
        *commandIds = &shared.GetCommandIds(position);
        return -(position + 1);
    }

    std::unique_ptr<CUIntArray> ids(new CUIntArray);
    if (!LoadToolbarCommandIds(*ids, MAKEINTRESOURCEA(toolbarId), TRUE))
        return 0;
    std::unique_ptr<CImageList> images(new CImageList);
    if (!images->Create(MenuImageWidth, MenuImageHeight, ILC_MASK | ILC_COLORDDB, 1, 1))
        return 0;
    CBitmap bitmap;
    if (!bitmap.Attach(LoadBitmapResource((WORD)toolbarId, toolbarColours, _countof(toolbarColours))) ||
        images->Add(&bitmap, GetSystemColour(COLOR_BTNFACE)) < 0)
        return 0;
    ToolbarImageCache& target = programWide ? shared : own;
    position = target.Add(toolbarId, std::move(ids), std::move(images));
    *commandIds = &target.GetCommandIds(position);
    return programWide ? -(position + 1) : position + 1;
}

CImageList* GetMenuImageList(CMyMenu* rootMenu, int code)
{
    if (code > 0 && code <= rootMenu->GetImageCache().GetCount())
        return rootMenu->GetImageCache().GetImageList(code - 1);
    if (code < 0 && -code <= ProgramWideCache().GetCount())
        return ProgramWideCache().GetImageList(-code - 1);
    return NULL;
}

void FindItemImage(CMyMenu* rootMenu, CMyMenuItem* item)
{
    item->m_imageLookedUp = TRUE;
    item->m_imageCode = 0;
    item->m_imageIndex = -1;
    BOOL ownCommand = item->m_imageCommand == -1 || item->m_imageCommand == -2;
    // A submenu entry's id is a menu handle, never a command.
    if (ownCommand && (item->m_flags & MF_POPUP) != 0)
        return;
    UINT wanted = ownCommand ? (UINT)item->m_id : (UINT)item->m_imageCommand;
    if (wanted == 0)
        return;
    UINT toolbar = (UINT)item->m_toolbarId;
    if (item->m_toolbarId == -1 || item->m_toolbarId == -2)
    {
        toolbar = FindRegisteredToolbar(rootMenu, wanted);
        auto mapped = imageCommands.find(wanted);
        if (toolbar == 0 && mapped != imageCommands.end())
        {
            // One step only, never a chain.
            wanted = mapped->second;
            toolbar = FindRegisteredToolbar(rootMenu, wanted);
        }
        if (toolbar == 0)
            return;
    }
    const CUIntArray* ids = NULL;
    int code = GetToolbarImages(rootMenu, toolbar, FALSE, &ids);
    int index = code != 0 ? IndexOf(*ids, wanted) : -1;
    if (index < 0)
        return;
    item->m_imageCode = code;
    item->m_imageIndex = index;
}

void DrawDisabledMenuImage(CDC* dc, CImageList* images, int index, int x, int y)
{
    HDC target = dc->GetSafeHdc();
    COwnedIcon icon(ImageList_GetIcon(images->GetSafeHandle(), index, 0));
    if (!icon)
        return;
    COwnedDC colourDC(::CreateCompatibleDC(target));
    COwnedGdiObject<HBITMAP> colour(::CreateCompatibleBitmap(target, MenuImageWidth, MenuImageHeight));
    CSelectedObject selectedColour(colourDC, colour);
    RECT box = {0, 0, MenuImageWidth, MenuImageHeight};
    ::FillRect(colourDC, &box, (HBRUSH)GetSystemColourBrush(COLOR_MENU)->GetSafeHandle());
    ::DrawIconEx(colourDC, 0, 0, icon, MenuImageWidth, MenuImageHeight, 0, NULL, DI_NORMAL);

    // Two colours: black, then white; every pixel becomes one of them.
    static struct
    {
        BITMAPINFOHEADER header;
        RGBQUAD colours[2];
    } monoInfo;
    if (monoInfo.header.biSize == 0)
    {
        monoInfo.header.biSize = sizeof(BITMAPINFOHEADER);
        monoInfo.header.biWidth = MenuImageWidth;
        monoInfo.header.biHeight = MenuImageHeight;
        monoInfo.header.biPlanes = 1;
        monoInfo.header.biBitCount = 1;
        monoInfo.header.biCompression = BI_RGB;
        monoInfo.colours[1] = RGBQUAD{0xFF, 0xFF, 0xFF, 0};
    }
    void* bits = NULL;
    COwnedDC monoDC(::CreateCompatibleDC(target));
    COwnedGdiObject<HBITMAP> mono(::CreateDIBSection(target, (BITMAPINFO*)&monoInfo, DIB_RGB_COLORS, &bits, NULL, 0));
    CSelectedObject selectedMono(monoDC, mono);
    ::BitBlt(monoDC, 0, 0, MenuImageWidth, MenuImageHeight, colourDC, 0, 0, SRCCOPY);

    RECT place = {x, y, x + MenuImageWidth, y + MenuImageHeight};
    ::FillRect(target, &place, (HBRUSH)GetSystemColourBrush(COLOR_BTNFACE)->GetSafeHandle());
    // Black pixels take the brush's colour, white ones leave the target.
    const DWORD paintBlackWithBrush = 0xB8074A;
    COLORREF oldText = ::SetTextColor(target, RGB(0, 0, 0));
    COLORREF oldBack = ::SetBkColor(target, RGB(255, 255, 255));
    {
        CSelectedObject highlight(target, GetSystemColourBrush(COLOR_BTNHIGHLIGHT)->GetSafeHandle());
        ::BitBlt(target, x + 1, y + 1, MenuImageWidth, MenuImageHeight, monoDC, 0, 0, paintBlackWithBrush);
    }
    {
        CSelectedObject shadow(target, GetSystemColourBrush(COLOR_BTNSHADOW)->GetSafeHandle());
        ::BitBlt(target, x, y, MenuImageWidth, MenuImageHeight, monoDC, 0, 0, paintBlackWithBrush);
    }
    ::SetTextColor(target, oldText);
    ::SetBkColor(target, oldBack);
}
