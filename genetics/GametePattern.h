#pragma once

#include "afx/core/AfxCore.h"

// One crossover pattern of a gamete over one linkage group: for each gene of
// the group in chain order, +g when gene g's allele comes from the same
// parental chromosome as the group's first gene and -g when it comes from the
// other one, with the probability of the pattern in a gamete of one sex.
class CGametePattern : public CObject
{
public:
    CGametePattern() : m_dProbability(1.0) {}
    CGametePattern(const CGametePattern& other) { Copy(other); }

    void Copy(const CGametePattern& other)
    {
        m_genes.Copy(other.m_genes);
        m_dProbability = other.m_dProbability;
    }

    int GetGeneCount() const { return (int)m_genes.GetSize(); }
    int GetEntry(int index) const { return m_genes[index]; }

    CArray<int, int> m_genes;
    double m_dProbability;

private:
    CGametePattern& operator=(const CGametePattern&) = delete;
};
