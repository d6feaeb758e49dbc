#pragma once
// Up to four pictures drawn as a window's background.
#include "afx/app/AfxWin.h"

class CPicture;

// How the background pictures are measured and drawn; the picture code
// installs it at start-up. Without it a picture table paints only the
// button-face colour.
// Every picture is drawn with its tiling (0 once, 1 whole tiles only, 2 every
// tile that meets the area), its fit flag (non-zero: drawn whole, centred in
// its box and keeping its proportions), its tile offset (a fraction of the
// box) and its scale of the picture's natural size (1.0: its size in inches
// at the screen's resolution).
class CWndPictureDrawing
{
public:
    virtual ~CWndPictureDrawing() {}
    virtual CSize GetScaledSize(CPicture* picture, int pixelsPerInchX, int pixelsPerInchY, int tiling, int fitWhole,
                                double tileOffset, double scale) = 0;
    virtual void DrawInRect(CPicture* picture, CDC* dc, const CRect& rect, int tiling, int fitWhole,
                            double tileOffset, double scale) = 0;
};
void SetWndPictureDrawing(CWndPictureDrawing* drawing);
CWndPictureDrawing* GetWndPictureDrawing();

struct CWndPictureTable
{
    struct Entry
    {
        CPicture* picture;  // not owned
        int placement;      // a RectPlacement code
        int tiling, fitWhole;
        double tileOffset, scale;
    };

    CWnd* m_owner = NULL;
    int m_count = 0;
    Entry m_entries[4] = {};

    // Appends an entry (the caller keeps to four) and repaints the owner.
    void AddPicture(CPicture* picture, int placement, int tiling, int fitWhole, double tileOffset, double scale);
    // Fills the clip box with the button face and draws the pictures; TRUE.
    BOOL DrawBackground(CDC* dc);
};
