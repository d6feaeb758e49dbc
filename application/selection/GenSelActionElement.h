#pragma once

#include "genetics/AllelePair.h"

class CGeneticsSection;
class CGenotype;

// One element of an action: set an allele pair or polygene value, or clear a gene.
class CGenSelActionElement
{
public:
    enum { KIND_CLEAR = 0, KIND_SET = 1 };

    CGenSelActionElement() : m_nKind(KIND_SET), m_nGene(0) {}

    CString Parse(const CGeneticsSection* section, const CString& text);
    void Apply(const CGeneticsSection* section, CGenotype& working) const;

    UINT m_nKind;
    CAllelePair m_pair;
    UINT m_nGene;
};
