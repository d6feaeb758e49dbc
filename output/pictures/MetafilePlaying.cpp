#include "output/pictures/MetafilePlaying.h"

#include "foundation/windows/SavedDCState.h"
#include "framework/windows/ClipRegionSaver.h"

BOOL PlayMetafileClipped(CDC* dc, const RECT& dest, const RECT& clip, POINT origin,
                         const std::function<BOOL(CDC* dc, const CRect& target)>& play)
{
    CRect target(dest);
    if (target.Width() < 1 || target.Height() <= 0)
        return FALSE;
    CRect visible;
    if (!visible.IntersectRect(&dest, &clip))
        return TRUE;
    target.OffsetRect(-origin.x, -origin.y);
    visible.OffsetRect(-origin.x, -origin.y);
    // A clip region is in device units: a DC of its own mapping (a print
    // preview's tenths of a millimetre) was clipped to nothing.
    ::LPtoDP(dc->m_hDC, (POINT*)&visible, 2);
    visible.NormalizeRect();
    CClipRegionSaver clipping;
    clipping.Clip(dc, visible);
    CSavedDCState saved(dc);
    // Made the meta region, the clip holds whatever the picture's records
    // do to the clip region (a region copied over it, or none selected);
    // the saved state gives the meta region back.
    ::SetMetaRgn(dc->m_hDC);
    return play(dc, target);
}
