#pragma once
// Moves and sizes an owner's child controls when the owner is resized.
#include "afx/app/AfxWin.h"
#include "foundation/containers/OwningObArray.h"

class CControlPlacement;

struct CControlLayout
{
    COwningObArray m_placements;   // of CControlPlacement, in the order added
    BOOL m_initialised = FALSE;
    int m_initialWidth = 0, m_initialHeight = 0;
    int m_busy = 0;
    CWnd* m_owner = NULL;

    // The owner's outer size that later sizes are compared with.
    void RecordInitialSize();
    // FALSE when the owner has no such item; an anchor the owner lacks is dropped.
    BOOL AddControl(UINT controlId, UINT flags, UINT leftAnchorId = 0, UINT topAnchorId = 0,
                    UINT rightAnchorId = 0, UINT bottomAnchorId = 0);
    // Places every control for the owner's current size.
    void Apply();
};
