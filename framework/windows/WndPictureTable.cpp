#include "framework/windows/WndPictureTable.h"

#include "foundation/windows/RectPlacement.h"
#include "foundation/windows/SelectedObject.h"
#include "framework/app/FrameworkApp.h"

namespace
{
    CWndPictureDrawing* pictureDrawing = NULL;
}

void SetWndPictureDrawing(CWndPictureDrawing* drawing)
{
    pictureDrawing = drawing;
}

CWndPictureDrawing* GetWndPictureDrawing()
{
    return pictureDrawing;
}

void CWndPictureTable::AddPicture(CPicture* picture, int placement, int tiling, int fitWhole, double tileOffset,
                                  double scale)
{
    if (m_count >= 4)
        return;
    m_entries[m_count++] = Entry{picture, placement, tiling, fitWhole, tileOffset, scale};
    if (m_owner != NULL && m_owner->GetSafeHwnd() != NULL)
    {
        m_owner->Invalidate(TRUE);
        m_owner->UpdateWindow();
    }
}

BOOL CWndPictureTable::DrawBackground(CDC* dc)
{
    CRect clip;
    dc->GetClipBox(&clip);
    {
        CSelectedObject face(dc->m_hDC, ::GetSysColorBrush(COLOR_BTNFACE));
        ::PatBlt(dc->m_hDC, clip.left, clip.top, clip.Width(), clip.Height(), PATCOPY);
    }
    if (m_count == 0 || pictureDrawing == NULL || m_owner == NULL)
        return TRUE;

    CFrameworkApp* app = GetFrameworkApp();
    int ppiX = app != NULL ? app->m_pixelsPerInchX : 96;
    int ppiY = app != NULL ? app->m_pixelsPerInchY : 96;
    CRect client;
    m_owner->GetClientRect(&client);
    for (int i = 0; i < m_count; i++)
    {
        const Entry& e = m_entries[i];
        CSize size = pictureDrawing->GetScaledSize(e.picture, ppiX, ppiY, e.tiling, e.fitWhole, e.tileOffset, e.scale);
        CRect box = AlignRectInRect(size.cx, size.cy, client, 0, 0, e.placement);
        pictureDrawing->DrawInRect(e.picture, dc, box, e.tiling, e.fitWhole, e.tileOffset, e.scale);
    }
    return TRUE;
}
