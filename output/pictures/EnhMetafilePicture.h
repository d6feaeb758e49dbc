#pragma once

#include "afx/app/AfxWin.h"

#include "output/pictures/PlayStops.h"

// An enhanced metafile with its palette, drawn stretched to its destination,
// a record at a time under a guard (PlayEnhMetafileGuarded).
class CEnhMetafilePicture : public CObject
{
public:
    CEnhMetafilePicture();
    virtual ~CEnhMetafilePicture();

    void Clear();
    BOOL LoadFile(LPCTSTR path, double scale);
    BOOL LoadFromMemory(const BYTE* data, DWORD size, double scale);
    BOOL Draw(CDC* dc, const RECT& dest, const RECT& clip, POINT origin);

    BOOL IsLoaded() const { return m_bLoaded; }
    DWORD GetByteSize() const { return m_nByteSize; }
    double GetScale() const { return m_scale; }
    double GetWidth() const { return m_width; }
    double GetHeight() const { return m_height; }
    CPalette* GetPalette() { return m_palette.m_hObject != NULL ? &m_palette : NULL; }

private:
    HENHMETAFILE m_hMetafile;
    CPalette m_palette;
    BOOL m_bLoaded;
    DWORD m_nByteSize;
    double m_scale;
    double m_width;
    double m_height;
    double m_aspect;
    // The records where draws ran out of work.
    CPlayStops m_playStops;
};
