#pragma once

#include "afx/core/AfxCore.h"

class CGeneticsSection;

// Sex linkage of a gene.
const UINT SEXLINK_NONE = 0;
const UINT SEXLINK_SHARED = 1;    // X (or Z): carried by both sexes
const UINT SEXLINK_UNSHARED = 2;  // Y (or W): carried by the heterogametic sex only

// One gene or polygene of a genes section.
class CGeneDef : public CObject
{
public:
    CGeneDef();
    CGeneDef(const CGeneDef& other);
    CGeneDef& operator=(const CGeneDef& other);
    virtual ~CGeneDef();

    void Reset();
    CGeneDef* Clone() const { return new CGeneDef(*this); }

    // Reads the arguments of the gene's statement (alleles with shares, or the
    // polygene parameters) and defines its symbols in the section.
    CString ParseArguments(CGeneticsSection* section, const CString& text);
    CString FormatDistribution(const CGeneticsSection* section) const;

    BOOL IsPolygene() const { return m_bPolygene != 0; }
    int GetRangeCount() const { return m_boundaries.GetSize() > 0 ? m_boundaries.GetSize() - 1 : 0; }
    // Bounds of named range k as a pair range: the upper bound is lessened by
    // the step except for the last range, so neighbouring ranges share no value.
    void GetRangeBounds(int k, double& lower, double& upper) const;
    double GetRangeMidpoint(int k) const;

    UINT m_nGene;
    CDWordArray m_symbolCodes;

    // Linkage: the gene this one is linked to, with the crossover probabilities
    // (fractions) of female and male gametes; linked-to is set when another gene
    // names this one as its next gene.
    UINT m_nNextGene;
    double m_dFemaleCrossover;
    double m_dMaleCrossover;
    BOOL m_bLinkedTo;

    UINT m_nSexLinkage;
    UINT m_bPolygene;
    int m_nPlaces;
    double m_dStep;
    double m_dDefault;
    UINT m_bSecondDefault;
    double m_dSecondDefault;
    CArray<double, double> m_boundaries;

private:
    CString ParseDiscrete(CGeneticsSection* section, const CString& text);
    CString ParsePolygene(CGeneticsSection* section, const CString& text);
    CString ParseRanges(const CString& value, CStringArray& names);
    CString DefineSymbols(CGeneticsSection* section, const CStringArray& names,
                          const CArray<double, double>& shares, const char* duplicateMessage,
                          const char* invalidMessage);
};

// A share as a percentage with the given decimals and "%", padded to 7 characters.
CString FormatPercent(double share, int places);
