#include "framework/windows/ControlLayout.h"

#include "foundation/windows/WindowGeometry.h"
#include "foundation/windows/WindowSize.h"
#include "framework/windows/ControlPlacement.h"

namespace
{
    // One edge's anchor: the item, the edge's offset from it, and which edge.
    struct AnchorRef
    {
        UINT* id;
        int* offset;
        LONG RECT::*edge;
    };

    // Flags of one edge: move, scale, follow.
    struct EdgeRule
    {
        UINT move, scale, anchor;
        LONG RECT::*edge;
        bool horizontal;
    };

    const EdgeRule edgeRules[] = {
        {PLACE_LEFT_MOVE, PLACE_LEFT_SCALE, PLACE_LEFT_ANCHOR, &RECT::left, true},
        {PLACE_TOP_MOVE, PLACE_TOP_SCALE, PLACE_TOP_ANCHOR, &RECT::top, false},
        {PLACE_RIGHT_MOVE, PLACE_RIGHT_SCALE, PLACE_RIGHT_ANCHOR, &RECT::right, true},
        {PLACE_BOTTOM_MOVE, PLACE_BOTTOM_SCALE, PLACE_BOTTOM_ANCHOR, &RECT::bottom, false},
    };

    void AnchorsOf(CControlPlacement* p, AnchorRef (&refs)[4])
    {
        refs[0] = {&p->m_leftAnchorId, &p->m_leftOffset, &RECT::left};
        refs[1] = {&p->m_topAnchorId, &p->m_topOffset, &RECT::top};
        refs[2] = {&p->m_rightAnchorId, &p->m_rightOffset, &RECT::right};
        refs[3] = {&p->m_bottomAnchorId, &p->m_bottomOffset, &RECT::bottom};
    }
}

void CControlLayout::RecordInitialSize()
{
    CSize size = GetWindowSize(m_owner);
    m_initialWidth = size.cx;
    m_initialHeight = size.cy;
}

BOOL CControlLayout::AddControl(UINT controlId, UINT flags, UINT leftAnchorId, UINT topAnchorId,
                                UINT rightAnchorId, UINT bottomAnchorId)
{
    CWnd* item = m_owner->GetDlgItem(controlId);
    if (item == NULL)
        return FALSE;
    CControlPlacement* p = new CControlPlacement;
    p->m_rect = GetWindowRectInParent(item);
    p->m_controlId = controlId;
    p->m_flags = flags;
    p->m_leftAnchorId = leftAnchorId;
    p->m_topAnchorId = topAnchorId;
    p->m_rightAnchorId = rightAnchorId;
    p->m_bottomAnchorId = bottomAnchorId;

    AnchorRef refs[4];
    AnchorsOf(p, refs);
    for (AnchorRef& ref : refs)
    {
        if (*ref.id == 0)
            continue;
        CWnd* anchor = m_owner->GetDlgItem(*ref.id);
        if (anchor == NULL)
        {
            *ref.id = 0;
            continue;
        }
        CRect anchorRect = GetWindowRectInParent(anchor);
        *ref.offset = p->m_rect.*ref.edge - anchorRect.*ref.edge;
    }
    m_placements.Add(p);
    m_initialised = TRUE;
    return TRUE;
}

void CControlLayout::Apply()
{
    if (m_owner == NULL || m_owner->GetSafeHwnd() == NULL || !m_initialised || m_busy != 0)
        return;
    m_busy++;
    CSize size = GetWindowSize(m_owner);
    int dW = size.cx - m_initialWidth;
    int dH = size.cy - m_initialHeight;
    m_owner->Invalidate(TRUE);
    m_owner->UpdateWindow();

    for (INT_PTR i = 0; i < m_placements.GetSize(); i++)
    {
        CControlPlacement* p = (CControlPlacement*)m_placements[i];
        CWnd* control = m_owner->GetDlgItem(p->m_controlId);
        if (control == NULL)
            continue;
        AnchorRef refs[4];
        AnchorsOf(p, refs);
        CRect rect = p->m_rect;
        for (int e = 0; e < 4; e++)
        {
            const EdgeRule& rule = edgeRules[e];
            LONG& edge = rect.*rule.edge;
            if (p->m_flags & rule.move)
                edge += rule.horizontal ? dW : dH;
            else if (p->m_flags & rule.scale)
            {
                int initial = rule.horizontal ? m_initialWidth : m_initialHeight;
                if (initial != 0)
                    edge = edge * (rule.horizontal ? size.cx : size.cy) / initial;
            }
            else if (p->m_flags & rule.anchor)
            {
                // edgeRules and refs list the edges in different orders
                for (AnchorRef& ref : refs)
                {
                    if (ref.edge != rule.edge || *ref.id == 0)
                        continue;
                    CWnd* anchor = m_owner->GetDlgItem(*ref.id);
                    if (anchor != NULL)
                        edge = GetWindowRectInParent(anchor).*ref.edge + *ref.offset;
                }
            }
        }
        control->MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
        control->Invalidate(TRUE);
    }
    m_busy--;
}
