#include "output/pictures/MetafilePicture.h"

#include "foundation/files/ByteBuffer.h"
#include "output/pictures/FileStart.h"
#include "output/pictures/MetafileCheck.h"
#include "output/pictures/MetafileGuard.h"
#include "output/pictures/MetafilePlaying.h"
#include "output/pictures/MetafileRecolour.h"
#include "output/pictures/PictureSizeFitting.h"

#include <cstring>
#include <vector>

namespace
{
const DWORD PlaceableBytes = 22;
const DWORD MetaHeaderBytes = 18;
}

CMetafilePicture::CMetafilePicture() : m_hMetafile(NULL)
{
    Clear();
}

CMetafilePicture::~CMetafilePicture()
{
    Clear();
}

void CMetafilePicture::Clear()
{
    if (m_hMetafile != NULL)
        ::DeleteMetaFile(m_hMetafile);
    m_hMetafile = NULL;
    std::memset(&m_header, 0, sizeof(m_header));
    std::memset(&m_placeable, 0, sizeof(m_placeable));
    m_bLoaded = FALSE;
    m_nByteSize = 0;
    m_aspect = 1.0;
    m_scale = 1.0;
    m_width = m_height = 0.0;
    m_bTwoTone = FALSE;
    m_playStops.Clear();
}

BOOL CMetafilePicture::LoadFile(LPCTSTR path, double scale, COLORREF ink, double lightening)
{
    Clear();
    m_scale = scale;
    DWORD key = 0;
    if (!ReadFileStart(path, &key, sizeof(key)) || key != PlaceableMetafileKey)
        return FALSE;
    CByteBuffer data;
    if (!data.LoadFile(path))
        return FALSE;
    return LoadFromMemory(data.GetData(), data.GetLength(), scale, ink, lightening);
}

BOOL CMetafilePicture::LoadFromMemory(const BYTE* data, DWORD size, double scale, COLORREF ink, double lightening)
{
    Clear();
    m_scale = scale;
    if (data == NULL || size < PlaceableBytes + MetaHeaderBytes)
        return FALSE;
    std::memcpy(&m_placeable, data, PlaceableBytes);
    if (m_placeable.key != PlaceableMetafileKey || m_placeable.right <= m_placeable.left ||
        m_placeable.bottom <= m_placeable.top)
    {
        Clear();
        return FALSE;
    }
    const int unitsPerInch = m_placeable.unitsPerInch < 2 ? 1 : m_placeable.unitsPerInch;
    m_width = (double)(m_placeable.right - m_placeable.left) / unitsPerInch;
    m_height = (double)(m_placeable.bottom - m_placeable.top) / unitsPerInch;
    m_aspect = m_height <= 0.005 ? 1.0 : m_width / m_height;

    std::memcpy(&m_header, data + PlaceableBytes, MetaHeaderBytes);
    unsigned long long bytes = 2ull * m_header.mtSize;
    // Some writers count the placeable header in the size: the records
    // then end at the file's end.
    if (bytes == size)
    {
        bytes = size - PlaceableBytes;
        m_header.mtSize = (DWORD)(bytes / 2);
    }
    if ((m_header.mtType != 1 && m_header.mtType != 2) || bytes < MetaHeaderBytes || bytes > size - PlaceableBytes ||
        !IsMetafileSound(data + PlaceableBytes, (DWORD)bytes))
    {
        Clear();
        return FALSE;
    }
    std::vector<BYTE> records(data + PlaceableBytes, data + PlaceableBytes + bytes);
    std::memcpy(records.data(), &m_header, MetaHeaderBytes);
    m_bTwoTone = RecolourMetafile(records.data(), (DWORD)bytes, ink, lightening);
    m_hMetafile = ::SetMetaFileBitsEx((UINT)bytes, records.data());
    if (m_hMetafile == NULL)
    {
        Clear();
        return FALSE;
    }
    m_bLoaded = TRUE;
    m_nByteSize = (DWORD)bytes;
    return TRUE;
}

BOOL CMetafilePicture::Draw(CDC* dc, const RECT& dest, const RECT& clip, POINT origin)
{
    if (!m_bLoaded)
        return FALSE;
    return PlayMetafileClipped(dc, dest, clip, origin, [this](CDC* target, const CRect& rect) {
        // Kept in proportion and centred in the destination.
        const int boxWidth = m_placeable.right - m_placeable.left;
        const int boxHeight = m_placeable.bottom - m_placeable.top;
        const HDC hdc = target->m_hDC;
        // On the device, whatever the DC's own mapping.
        CRect device(rect);
        ::LPtoDP(hdc, (POINT*)&device, 2);
        device.NormalizeRect();
        ::SetMapMode(hdc, MM_ANISOTROPIC);
        ::SetWindowOrgEx(hdc, m_placeable.left, m_placeable.top, NULL);
        ::SetWindowExtEx(hdc, boxWidth, boxHeight, NULL);
        const CSize size = FitSizeToAspectOnDevice(target, device.Width(), device.Height(), boxWidth, boxHeight);
        ::SetViewportOrgEx(hdc, device.left + (device.Width() - size.cx) / 2,
                           device.top + (device.Height() - size.cy) / 2, NULL);
        ::SetViewportExtEx(hdc, size.cx, size.cy, NULL);
        return PlayMetafileGuarded(hdc, m_hMetafile, m_nByteSize, m_playStops);
    });
}
