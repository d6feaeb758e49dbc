#pragma once

#include "application/selection/GenSelLabelItem.h"
#include "genetics/Genotype.h"

#include <vector>

// One choice of a genes field: its genotype alternatives, at least one.
typedef std::vector<CGenotype> CGenSelChoice;

// A field that offers a choice between genotypes of some genes.
class CGenSelGenes : public CGenSelLabelItem
{
    DECLARE_DYNAMIC(CGenSelGenes)
public:
    CGenSelGenes();
    CMyCmdTarget* Clone() const override;
    void ParseOptions(CString& error, CGeneticsSection* section, CStringArray& options) override;

    BOOL IsCheckBox() const { return m_bCheckBox != 0; }
    BOOL IsRadio() const { return m_bRadio != 0; }
    BOOL IsList() const { return m_bList != 0; }
    BOOL HasOtherValue() const { return m_bList && m_bOtherValue; }

    int AddField(CGeneticsSection* rules, CFieldList& list, int sex, const CGenotype& working,
                 CDWordArray& coveredGenes, const CString& groupText) override;
    // The first choice one of whose alternatives the genotype holds; -1 when none.
    int FindChoice(const CGeneticsSection* section, const CGenotype& genotype) const;
    // Shows the genotype's choice in the element's field.
    void ShowGenotype(const CGeneticsSection* genes, const CGenotype& genotype, CFieldList& list, int field);
    // The genotype that the field's value stands for; empty when it names none.
    CGenotype GetChosenGenotype(CFieldList& list, const CGeneticsSection* section, int field);
    // The genotype's pairs of the covered genes, as typed in the other-value field.
    CString FormatOtherValue(const CGeneticsSection* section, const CGenotype& genotype) const;

    DWORD m_bAssumedChoice; // "u"
    DWORD m_bShowGenotypes; // "g"
    std::vector<CGenSelChoice> m_choices;
    CStringArray m_choiceNames;
    int m_nDefaultChoice;
    int m_nAssumedChoice;
    DWORD m_bCheckBox;
    DWORD m_bRadio;
    DWORD m_bList;
    DWORD m_bOtherValue; // "o"
    CString m_strOtherHelp;
    CDWordArray m_coveredGenes;
    DWORD m_bSinglePolygene;
    CGenotype m_ownGenotype;
    int m_nSex;

private:
    CString ReadChoices(CGeneticsSection* section, const CString& value);
    CString ApplyGenesFlags(CGeneticsSection* section);
    void SortChoices();
    UINT OtherValueFormat() const;
};
