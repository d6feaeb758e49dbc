#include "output/pictures/Picture.h"

#include "foundation/files/ByteBuffer.h"
#include "foundation/files/PathText.h"
#include "foundation/files/SealedFile.h"
#include "foundation/windows/RectPlacement.h"
#include "foundation/windows/SelectedPalette.h"
#include "output/pictures/PictureSizeFitting.h"
#include "output/pictures/BuiltInLogo.h"
#include "output/pictures/PictureSettings.h"

#include <cmath>

void CPicture::Clear()
{
    m_metafile.Clear();
    m_enhMetafile.Clear();
    m_dib.Clear();
}

BOOL CPicture::HasPicture() const
{
    return m_dib.IsLoaded() || m_metafile.IsLoaded() || m_enhMetafile.IsLoaded();
}

BOOL IsSealedPictureName(LPCTSTR path)
{
    if (path == NULL)
        return FALSE;
    LPCTSTR name = path;
    for (LPCTSTR at = path; *at != '\0'; ++at)
        if (*at == '\\' || *at == '/' || *at == ':')
            name = at + 1;
    LPCTSTR dot = NULL;
    for (LPCTSTR at = name; *at != '\0'; ++at)
        if (*at == '.')
            dot = at;
    return dot != NULL && lstrcmpiA(dot + 1, "vqf") == 0;
}

BOOL CPicture::Load(LPCTSTR path, PictureLoadOptions options)
{
    Clear();
    if (path == NULL || *path == '\0')
        return FALSE;
    CString resolved = ResolveRelativePath(path, GetPictureSearchPath());
    if (IsSealedPictureName(path))
    {
        CByteBuffer plain;
        if (!plain.LoadSealedFile(resolved, SealKeyVectorPicture))
            return FALSE;
        return LoadFromMemory(plain, options);
    }
    if (m_enhMetafile.LoadFile(resolved, options.scale))
        return TRUE;
    if (m_metafile.LoadFile(resolved, options.scale, options.inkColour, options.lightening))
        return TRUE;
    return m_dib.LoadFile(resolved, options);
}

BOOL CPicture::LoadFromMemory(const CByteBuffer& data, PictureLoadOptions options)
{
    return LoadFromMemory(data.GetData(), data.GetLength(), options);
}

BOOL CPicture::LoadFromMemory(const BYTE* data, DWORD size, PictureLoadOptions options)
{
    Clear();
    if (m_enhMetafile.LoadFromMemory(data, size, options.scale))
        return TRUE;
    if (m_metafile.LoadFromMemory(data, size, options.scale, options.inkColour, options.lightening))
        return TRUE;
    return m_dib.LoadFromMemory(data, size, options);
}

BOOL CPicture::LoadBuiltInLogo()
{
    PictureLoadOptions options = MakePictureLoadOptions(300, 300);
    options.inkColour = 0;
    options.makeMask = TRUE;
    return LoadFromMemory(BuiltInLogo, BuiltInLogoSize, options);
}

BOOL CPicture::Draw(CDC* dc, const RECT& dest, const RECT& clip, POINT origin)
{
    if (m_dib.IsLoaded())
        return m_dib.Draw(dc, dest, clip, origin, CDibPicture::DrawAllowDrawDib, NULL, NULL);
    if (m_metafile.IsLoaded())
        return m_metafile.Draw(dc, dest, clip, origin);
    if (m_enhMetafile.IsLoaded())
        return m_enhMetafile.Draw(dc, dest, clip, origin);
    return FALSE;
}

namespace
{
// Whole tiles needed to cover a distance, none when it is below one tile.
int ExtraTiles(int distance, int tile)
{
    if (distance <= 0 || tile <= 0)
        return 0;
    int count = (distance + tile - 1) / tile;
    return count < 1 ? 0 : count;
}
}

BOOL CPicture::DrawInRect(CDC* dc, const RECT& area, const RECT& clip, POINT origin, SIZE size, int placement,
                          int tiling, BOOL fit, POINT tileOffset)
{
    CRect room(area);
    CSize box = fit ? FitSizeToAspectOnDevice(dc, room.Width(), room.Height(), size.cx, size.cy) : CSize(size);
    if (box.cx < 1 || box.cy <= 0)
        return FALSE;
    CRect place = AlignRectInRect(box.cx, box.cy, room, 0, 0, placement);
    box = place.Size();
    if (box.cx < 1 || box.cy <= 0)
        return FALSE;
    int left = 0, right = 0, up = 0, down = 0;
    if (tiling == 1 || tiling == 2)
    {
        left = ExtraTiles(place.left - room.left, box.cx);
        right = ExtraTiles(room.right - place.right, box.cx);
        up = ExtraTiles(place.top - room.top, box.cy);
        down = ExtraTiles(room.bottom - place.bottom, box.cy);
    }
    BOOL result = TRUE;
    for (int row = -up; row <= down; ++row)
        for (int column = -left; column <= right; ++column)
        {
            CRect tile(place);
            tile.OffsetRect(column * box.cx, row * box.cy);
            CRect meets;
            if (!meets.IntersectRect(&tile, &room))
                continue;
            if (tiling == 1 && meets != tile)
                continue;
            tile.OffsetRect(tileOffset.x, tileOffset.y);
            if (!Draw(dc, tile, clip, origin))
                result = FALSE;
        }
    return result;
}

namespace
{
// What 'ask' answers of whichever metafile is loaded; 'none' when neither is.
// Both kinds answer the same questions of size and scale.
template <typename Result, typename Ask>
Result AskLoadedMetafile(const CMetafilePicture& metafile, const CEnhMetafilePicture& enhMetafile, Ask ask, Result none)
{
    if (metafile.IsLoaded())
        return ask(metafile);
    if (enhMetafile.IsLoaded())
        return ask(enhMetafile);
    return none;
}
} // namespace

CSize CPicture::GetScaledSize(double sx, double sy) const
{
    if (m_dib.IsLoaded())
        return m_dib.GetScaledSize(sx, sy);
    return AskLoadedMetafile(
        m_metafile, m_enhMetafile,
        [=](const auto& loaded) {
            return CSize((int)(loaded.GetWidth() * loaded.GetScale() * sx + 0.5),
                         (int)(loaded.GetHeight() * loaded.GetScale() * sy + 0.5));
        },
        CSize(1, 1));
}

double CPicture::GetWidthInInches() const
{
    if (m_dib.IsLoaded())
        return m_dib.GetWidthInInches();
    return AskLoadedMetafile(
        m_metafile, m_enhMetafile,
        [](const auto& loaded) {
            return loaded.GetWidth();
        },
        1.0);
}

double CPicture::GetHeightInInches() const
{
    if (m_dib.IsLoaded())
        return m_dib.GetHeightInInches();
    return AskLoadedMetafile(
        m_metafile, m_enhMetafile,
        [](const auto& loaded) {
            return loaded.GetHeight();
        },
        1.0);
}

CPalette* CPicture::GetPalette()
{
    if (m_dib.IsLoaded() && m_dib.GetPalette() != NULL)
        return m_dib.GetPalette();
    if (m_enhMetafile.IsLoaded())
        return m_enhMetafile.GetPalette();
    return NULL;
}

int CPicture::RealizePalette(CWnd* wnd, BOOL foreground)
{
    if (GetPalette() == NULL || wnd == NULL || wnd->m_hWnd == NULL)
        return -1;
    CDC dc;
    dc.Attach(::GetDC(wnd->m_hWnd));
    int changed = RealizePalette(&dc, foreground);
    ::ReleaseDC(wnd->m_hWnd, dc.Detach());
    if (changed > 0)
        ::InvalidateRect(wnd->m_hWnd, NULL, FALSE);
    return changed;
}

int CPicture::RealizePalette(CDC* dc, BOOL foreground)
{
    CPalette* palette = GetPalette();
    if (palette == NULL || dc == NULL || dc->m_hDC == NULL)
        return -1;
    CSelectedPalette selected(dc->m_hDC, (HPALETTE)palette->m_hObject, !foreground);
    UINT changed = ::RealizePalette(dc->m_hDC);
    return changed == GDI_ERROR ? 0 : (int)changed;
}

DWORD CPicture::GetMemorySize() const
{
    if (m_dib.IsLoaded())
        return m_dib.GetMemorySize();
    return AskLoadedMetafile(
        m_metafile, m_enhMetafile,
        [](const auto& loaded) {
            return loaded.GetByteSize();
        },
        (DWORD)0);
}

BOOL CPicture::IsTwoTone() const
{
    if (m_dib.IsLoaded())
        return m_dib.GetColourCount() == 2;
    return m_metafile.IsLoaded() && m_metafile.IsTwoTone();
}

CString CPicture::Describe() const
{
    if (m_dib.IsLoaded())
        return DescribePictureKind(TRUE, m_dib.GetBitCount());
    if (m_metafile.IsLoaded() || m_enhMetafile.IsLoaded())
        return DescribePictureKind(FALSE, 0);
    return CString();
}

CString DescribePictureKind(BOOL bitmap, int bitCount)
{
    return bitmap ? DescribeBitmapDepth(bitCount) : CString("vector graphics");
}
