#pragma once

#include "afx/core/AfxCore.h"

class CGeneticsSection;
class CGenotype;

// Reserved allele codes; every real allele or range symbol code lies below them.
const UINT ALLELE_NONE = 0xFFFD;     // "!": the missing second allele of a sex-linked gene
const UINT ALLELE_UNKNOWN = 0xFFFE;  // "-" or "?": not known
const UINT ALLELE_ANY = 0xFFFF;      // "-" in rule patterns: any allele

inline BOOL IsRealAllele(UINT code) { return code < ALLELE_NONE; }

// Flags of a pair.
const UINT PAIR_PARSED = 0x1;
const UINT PAIR_POLY_VALUE = 0x2;
const UINT PAIR_POLY_RANGE = 0x4;
const int PAIR_PLACES_SHIFT = 4;

// Modes of CAllelePair::MatchAllele / CGenotype::Matches.
const UINT MATCH_PATTERN_UNKNOWN = 0x1;   // pattern's unknown allele matches a real one
const UINT MATCH_OTHER_UNKNOWN = 0x2;     // other's unknown allele matches a real one
const UINT MATCH_ANY = 0x4;               // ALLELE_ANY on either side matches
const UINT MATCH_POLY_MIDPOINT = 0x8;     // polygenes compared by single values
const UINT MATCH_MISSING_GENE_OK = 0x10000;
const UINT MATCH_SKIP_POLYGENES = 0x20000;

// Modes of CAllelePair::Format / CGenotype::Format.
const UINT FORMAT_RANGE_AS_MIDPOINT = 0x1;
const UINT FORMAT_NO_GENE_NAME = 0x2;
const UINT FORMAT_NO_RANGE_SYMBOLS = 0x4;
const UINT FORMAT_SHOW_NONE = 0x8;
const UINT FORMAT_UNKNOWN_AS_QUESTION = 0x10;

// Flags of genotype text parsing.
const UINT PARSE_ALLOW_ANY = 0x1;
const UINT PARSE_ALLOW_RANGES = 0x2;
const UINT PARSE_COLLECT = 0x4;

// Sexes.
const int SEX_FEMALE = 0;
const int SEX_MALE = 1;
const int SEX_EITHER = 2;

// The alleles of one gene in a genotype, or the value or range of a polygene.
// A plain record, copied member by member.
struct CAllelePair
{
    UINT m_nGene = 0;
    UINT m_nAllele1 = 0;   // maternal
    UINT m_nAllele2 = 0;   // paternal
    UINT m_nFlags = 0;
    double m_dValue = 0.0; // polygene value or lower bound
    double m_dUpper = 0.0; // upper bound of a range

    BOOL IsPolygene() const { return (m_nFlags & (PAIR_POLY_VALUE | PAIR_POLY_RANGE)) != 0; }
    BOOL IsRange() const { return (m_nFlags & PAIR_POLY_RANGE) != 0; }
    int GetPlaces() const { return (int)(m_nFlags >> PAIR_PLACES_SHIFT); }
    double GetMidpoint() const { return IsRange() ? (m_dValue + m_dUpper) / 2.0 : m_dValue; }

    void InitPolygene(UINT gene, int places);
    void SetValue(double value);
    void SetRange(double lower, double upper);

    BOOL MatchAllele(const CAllelePair& other, int slot, UINT mode) const;
    BOOL MatchPolygene(const CAllelePair& other, UINT mode) const;
    // Gene, alleles in order, flags, and polygene values to the pair's places.
    BOOL IsEqual(const CAllelePair& other) const;

    CString Format(const CGeneticsSection* section, UINT mode) const;

    // Genotype text of one pair; see GenotypeText.cpp.
    CString Parse(const CGeneticsSection* section, const CString& text, int sex, UINT flags,
                  int* outSex = NULL, CStringArray* messages = NULL);
    CString ParsePolygene(const CGeneticsSection* section, const CString& text, BOOL rangesAllowed);

private:
    void SetAlleles(UINT gene, UINT maternal, UINT paternal);
    CString ParseSingleAllele(const CGeneticsSection* section, const CString& word, UINT code,
                              int sex, UINT flags, int* outSex, CStringArray* messages);
};
