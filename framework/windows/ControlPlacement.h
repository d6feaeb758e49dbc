#pragma once
// Where one child control goes when its owner is resized.
#include "afx/app/AfxWin.h"

// Per edge, the first flag that applies wins: move by the size change, scale
// with the size, follow the same edge of an anchor control.
enum ControlPlacementFlags
{
    PLACE_LEFT_MOVE = 0x001, PLACE_RIGHT_MOVE = 0x002, PLACE_TOP_MOVE = 0x004, PLACE_BOTTOM_MOVE = 0x008,
    PLACE_LEFT_SCALE = 0x010, PLACE_RIGHT_SCALE = 0x020, PLACE_TOP_SCALE = 0x040, PLACE_BOTTOM_SCALE = 0x080,
    PLACE_LEFT_ANCHOR = 0x100, PLACE_RIGHT_ANCHOR = 0x200, PLACE_TOP_ANCHOR = 0x400, PLACE_BOTTOM_ANCHOR = 0x800,
};

class CControlPlacement : public CObject
{
public:
    ~CControlPlacement() override {}

    CRect m_rect;     // in the owner's client coordinates when added
    UINT m_controlId = 0;
    UINT m_flags = 0;
    UINT m_topAnchorId = 0, m_leftAnchorId = 0, m_bottomAnchorId = 0, m_rightAnchorId = 0;
    int m_topOffset = 0, m_leftOffset = 0, m_bottomOffset = 0, m_rightOffset = 0;
};
