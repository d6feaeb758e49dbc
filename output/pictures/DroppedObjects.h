#pragma once

#include "afx/app/AfxWin.h"
#include "foundation/windows/OwnedHandle.h"

#include <vector>

// The GDI objects that the platform's player drops in one draw of an
// enhanced metafile: it makes an object into a slot of its handle table that holds
// one already, and never deletes the one it lost (2,000 brushes made into
// one slot, a picture of 56 KB, left 2,000 of the process's 65,536 GDI
// objects behind each draw; with 10,000 the picture drew nothing from its
// seventh draw on, nor could anything else make an object). They are
// deleted once the draw has ended, when the player has given the DC back its
// own objects (one may be selected until then); past Limit, records that
// would drop more are skipped.
class CDroppedObjects
{
public:
    // As many as an enhanced metafile's handle table may have slots (the
    // load check allows no more), and as many live objects as a Windows
    // metafile's table may hold.
    static const size_t Limit = 10000;

    // Whether a record may drop one more.
    bool Affords() const { return m_objects.size() < Limit; }
    void Keep(HGDIOBJ object) { m_objects.emplace_back(object); }

private:
    std::vector<COwnedGdiObject<HGDIOBJ>> m_objects;
};
