#pragma once
// The outline of one painted run of formatted text as a GDI path, with the
// colour the run is drawn in.
#include <vector>

#include "afx/app/AfxWin.h"

struct CTextPathRecord
{
    COLORREF m_colour = 0;
    std::vector<POINT> m_points;
    std::vector<BYTE> m_types;
};

typedef std::vector<CTextPathRecord> CTextPathList;
