#pragma once

// The DC's states that a metafile has saved and not yet restored while it
// plays. A picture may restore only those: restoring the states its caller
// saved put back the clip and mapping from before the draw, and a picture
// drawn into a box painted the whole window.
class COwnSavedStates
{
public:
    // The levels a restore of 'level' takes back: relative (negative), or
    // counted from the metafile's own first save, as a recorder writes it;
    // 0 for a state the metafile has not saved.
    int Levels(int level) const
    {
        if (level < 0)
            return level >= -m_saved ? -level : 0;
        return level > 0 && level <= m_saved ? m_saved - level + 1 : 0;
    }

    void Played(bool saved, int restored) { m_saved += saved - restored; }

private:
    int m_saved = 0;
};
