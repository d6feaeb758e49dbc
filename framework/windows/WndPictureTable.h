#pragma once
// Up to four pictures drawn as a window's background.
#include "afx/AfxWin.h"

class CPicture;

// How the background pictures are measured and drawn; the picture code
// installs it at start-up. Without it a picture table paints only the
// button-face colour.
class CWndPictureDrawing
{
public:
    virtual ~CWndPictureDrawing() {}
    virtual CSize GetScaledSize(CPicture* picture, int pixelsPerInchX, int pixelsPerInchY, int int1, int int2,
                                double double1, double double2) = 0;
    virtual void DrawInRect(CPicture* picture, CDC* dc, const CRect& rect, int int1, int int2, double double1,
                            double double2) = 0;
};
void SetWndPictureDrawing(CWndPictureDrawing* drawing);
CWndPictureDrawing* GetWndPictureDrawing();

struct CWndPictureTable
{
    struct Entry
    {
        CPicture* picture;  // not owned
        int placement;      // a RectPlacement code
        int int1, int2;
        double double1, double2;
    };

    CWnd* m_owner = NULL;
    int m_count = 0;
    Entry m_entries[4] = {};

    // Appends an entry (the caller keeps to four) and repaints the owner.
    void AddPicture(CPicture* picture, int placement, int int1, int int2, double double1, double double2);
    // Fills the clip box with the button face and draws the pictures; TRUE.
    BOOL DrawBackground(CDC* dc);
};
