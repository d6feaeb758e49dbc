#pragma once

#include "afx/core/AfxCore.h"

#include <vector>

// Places a sequence of rectangles one after another. Column mode (m_nMode
// nonzero): items run left to right in rows, rows stack down in a column,
// columns stand side by side. Band mode (m_nMode zero): items run down in a
// column, columns stand side by side in a band, bands stack down.
// Separator positions are recorded where a line of m_nSeparatorSpace
// thickness belongs, with one gap on each side.
class CFlowLayout
{
public:
    CFlowLayout();

    void Reset();
    void SetMargins(int left, int top, int right, int bottom);
    CPoint PlaceItem(int width, int height, BOOL newLine, BOOL newColumn, BOOL separated);
    CSize GetExtent() const;

    int m_nMode;
    int m_nLeftMargin;
    int m_nTopMargin;
    int m_nRightMargin;
    int m_nBottomMargin;
    int m_nGapX;
    int m_nGapY;
    int m_bEmpty;
    int m_nCursorX;
    int m_nCursorY;
    int m_nRightExtent;
    int m_nBottomExtent;
    int m_nLineBottom;
    int m_nBandTop;
    int m_nColumnRight;
    int m_nColumnLeft;
    int m_nSeparatorSpace;
    std::vector<int> m_verticalSeparators;
    std::vector<int> m_horizontalSeparators;
};
