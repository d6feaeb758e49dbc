#pragma once
// The A, B and C widths of the characters 32..255 of one font.
#include "afx/app/AfxWin.h"

class CCharWidthTable
{
public:
    CCharWidthTable() : m_first(32), m_last(31) { memset(m_entries, 0, sizeof(m_entries)); }

    // Fills the table for the font selected in the DC: ABC widths for a
    // TrueType font, else plain widths (10 each when the device has none).
    void Fill(const TEXTMETRIC& metrics, CDC* dc);
    bool Contains(unsigned char c) const { return c >= m_first && c <= m_last; }
    const ABC& Get(unsigned char c) const { return m_entries[c - 32]; }
    // Overhangs of a text drawn in this font: how far its ink reaches left
    // of its start and right of its advance.
    void GetOverhangs(const char* text, int length, int* left, int* right) const;

    int m_first;
    int m_last;
    ABC m_entries[224];
};
