#include "output/pictures/EnhMetafilePicture.h"

#include "foundation/files/ByteBuffer.h"
#include "foundation/files/LittleEndian.h"
#include "foundation/windows/SelectedPalette.h"
#include "output/pictures/EnhMetafileCheck.h"
#include "output/pictures/EnhMetafileGuard.h"
#include "output/pictures/FileStart.h"
#include "output/pictures/MetafilePlaying.h"

#include <cstddef>
#include <cstring>
#include <vector>

namespace
{
const DWORD MinHeaderBytes = 100;

}

CEnhMetafilePicture::CEnhMetafilePicture() : m_hMetafile(NULL)
{
    Clear();
}

CEnhMetafilePicture::~CEnhMetafilePicture()
{
    Clear();
}

void CEnhMetafilePicture::Clear()
{
    if (m_hMetafile != NULL)
        ::DeleteEnhMetaFile(m_hMetafile);
    m_hMetafile = NULL;
    m_palette.DeleteObject();
    m_bLoaded = FALSE;
    m_nByteSize = 0;
    m_scale = 1.0;
    m_width = m_height = 0.0;
    m_aspect = 1.0;
    m_playStops.Clear();
}

BOOL CEnhMetafilePicture::LoadFile(LPCTSTR path, double scale)
{
    Clear();
    m_scale = scale;
    BYTE header[MinHeaderBytes];
    if (!ReadFileStart(path, header, sizeof(header)) || ReadLittleEndianDword(header + 40) != ENHMETA_SIGNATURE)
        return FALSE;
    CByteBuffer data;
    if (!data.LoadFile(path))
        return FALSE;
    return LoadFromMemory(data.GetData(), data.GetLength(), scale);
}

BOOL CEnhMetafilePicture::LoadFromMemory(const BYTE* data, DWORD size, double scale)
{
    Clear();
    m_scale = scale;
    if (data == NULL || size < MinHeaderBytes)
        return FALSE;
    ENHMETAHEADER header;
    std::memset(&header, 0, sizeof(header));
    std::memcpy(&header, data, MinHeaderBytes < sizeof(header) ? MinHeaderBytes : sizeof(header));
    if (header.dSignature != ENHMETA_SIGNATURE || header.nBytes > size || header.nBytes < MinHeaderBytes)
        return FALSE;
    const DWORD played = EnhMetafilePlayedLength(data, header.nBytes);
    if (played == 0)
        return FALSE;
    if (played == header.nBytes)
        m_hMetafile = ::SetEnhMetaFileBits(played, data);
    else
    {
        // What follows the end record is left out: the player is given the
        // metafile up to it.
        std::vector<BYTE> through(data, data + played);
        std::memcpy(through.data() + offsetof(ENHMETAHEADER, nBytes), &played, sizeof(played));
        m_hMetafile = ::SetEnhMetaFileBits(played, through.data());
    }
    if (m_hMetafile == NULL)
    {
        Clear();
        return FALSE;
    }
    m_nByteSize = played;
    // The frame is in hundredths of a millimetre: 2540 of them to the inch.
    m_width = (header.rclFrame.right - header.rclFrame.left) / 2540.0;
    m_height = (header.rclFrame.bottom - header.rclFrame.top) / 2540.0;
    m_aspect = m_height <= 0.005 ? 1.0 : m_width / m_height;

    UINT entries = ::GetEnhMetaFilePaletteEntries(m_hMetafile, 0, NULL);
    if (entries != 0 && entries != GDI_ERROR)
    {
        if (entries > 256)
            entries = 256;
        std::vector<BYTE> block(sizeof(LOGPALETTE) + entries * sizeof(PALETTEENTRY));
        LOGPALETTE* palette = (LOGPALETTE*)block.data();
        palette->palVersion = 0x300;
        palette->palNumEntries = (WORD)::GetEnhMetaFilePaletteEntries(m_hMetafile, entries, palette->palPalEntry);
        if (palette->palNumEntries > 0)
            m_palette.CreatePalette(palette);
        if (m_palette.m_hObject == NULL)
        {
            Clear();
            return FALSE;
        }
    }
    m_bLoaded = TRUE;
    return TRUE;
}

BOOL CEnhMetafilePicture::Draw(CDC* dc, const RECT& dest, const RECT& clip, POINT origin)
{
    if (!m_bLoaded)
        return FALSE;
    return PlayMetafileClipped(dc, dest, clip, origin, [this](CDC* target, const CRect& rect) {
        CSelectedPalette selected(target->m_hDC, (HPALETTE)m_palette.m_hObject, TRUE);
        if (m_palette.m_hObject != NULL)
            ::RealizePalette(target->m_hDC);
        return PlayEnhMetafileGuarded(target->m_hDC, m_hMetafile, rect, m_nByteSize, m_playStops);
    });
}
