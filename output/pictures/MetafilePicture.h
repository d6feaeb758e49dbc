#pragma once

#include "afx/app/AfxWin.h"

#include "output/pictures/PlayStops.h"

#pragma pack(push, 2)
// The header in front of a placeable Windows metafile, as stored.
struct PlaceableMetaHeader
{
    DWORD key; // PlaceableMetafileKey
    WORD handle;
    short left, top, right, bottom;
    WORD unitsPerInch;
    DWORD reserved;
    WORD checksum;
};
#pragma pack(pop)

const DWORD PlaceableMetafileKey = 0x9AC6CDD7;

// A placeable Windows metafile, recoloured by ink colour and lightening when
// loaded, drawn centred and keeping its proportions, a record at a time
// under a guard (PlayMetafileGuarded).
class CMetafilePicture : public CObject
{
public:
    CMetafilePicture();
    virtual ~CMetafilePicture();

    void Clear();
    BOOL LoadFile(LPCTSTR path, double scale, COLORREF ink, double lightening);
    BOOL LoadFromMemory(const BYTE* data, DWORD size, double scale, COLORREF ink, double lightening);
    BOOL Draw(CDC* dc, const RECT& dest, const RECT& clip, POINT origin);

    BOOL IsLoaded() const { return m_bLoaded; }
    BOOL IsTwoTone() const { return m_bTwoTone; }
    DWORD GetByteSize() const { return m_nByteSize; }
    double GetScale() const { return m_scale; }
    double GetWidth() const { return m_width; }
    double GetHeight() const { return m_height; }

private:
    METAHEADER m_header;
    PlaceableMetaHeader m_placeable;
    HMETAFILE m_hMetafile;
    BOOL m_bLoaded;
    DWORD m_nByteSize;
    double m_aspect;
    double m_scale;
    double m_width;
    double m_height;
    BOOL m_bTwoTone;
    // The records where draws ran out of work.
    CPlayStops m_playStops;
};
