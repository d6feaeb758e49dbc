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
    // The first choice one of whose alternatives the genotype holds; -1 when
    // none. Allele order counts only where it carries information (linked
    // genes, sex-linked genes in the heterogametic sex, polygene ranges).
    int FindChoice(const CGeneticsSection* section, const CGenotype& genotype) const;
    // Shows the genotype's choice in the element's field; a field whose
    // offered choices do not hold the genotype's pairs shows no choice.
    void ShowGenotype(const CGeneticsSection* genes, const CGenotype& genotype, CFieldList& list, int field);
    // The genotype that the field's value stands for; empty when it names none.
    // While the field still shows what it showed for a genotype, that is the
    // genotype's own pairs of the covered genes, whether a choice matched them
    // or not: a field never drops pairs that the user did not change.
    CGenotype GetChosenGenotype(CFieldList& list, const CGeneticsSection* section, int field);
    // When the user typed an other value that does not read as a genotype:
    // FALSE, with the text and the parser's error.
    BOOL ReadsOtherValue(CFieldList& list, const CGeneticsSection* section, int field, CString& text,
                         CString& error);
    // The user changed the field: from now on it stands for its choice.
    void ForgetShownPairs() { m_bShowsPairs = FALSE; }
    // Whether the field (once added) covers the gene.
    BOOL Covers(UINT gene) const;
    // The genes of the choices' first alternatives, ascending.
    std::vector<UINT> GetChoiceGenes() const;
    // The alternative of the choice that suits the parent's sex.
    const CGenotype& GetChoiceGenotype(int choice) const;
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
    std::vector<int> m_sexAlternatives; // per choice: the alternative for the sex
    std::vector<int> m_offeredChoices;  // per item of the field: its choice
    std::vector<bool> m_choiceOffered;  // per choice: whether this parent may hold it
    CGenotype m_shownPairs;             // the covered pairs that the field shows
    int m_nShownItem;                   // the item (or check state) shown for them
    BOOL m_bShowsPairs;                 // the field still shows them

private:
    CString ReadChoices(CGeneticsSection* section, const CString& value);
    CString ApplyGenesFlags(CGeneticsSection* section);
    void SortChoices();
    UINT OtherValueFormat() const;
    BOOL IsOrderFree(const CGeneticsSection* section, const CAllelePair& pair) const;
    BOOL AlternativeMatches(const CGeneticsSection* section, const CGenotype& alternative, const CGenotype& genotype,
                            BOOL ordered) const;
    BOOL OffersChoices(const CGeneticsSection* rules, int sex);
    int ItemOf(int choice) const;
    int ChoiceOf(int item) const;
    int NoChoiceItem() const;
    int ChoiceFor(const CGeneticsSection* section, const CGenotype& genotype) const;
    int ShownItem(CFieldList& list, int field) const;
    void ShowChoice(CFieldList& list, int field, int choice, const CString& otherText);
    // A field opened on its default stands for the default, not for the pairs.
    void RememberShown(const CGenotype& genotype, int item, BOOL showsPairs = TRUE);
    CString ReadOtherText(const CGeneticsSection* section, const CString& text);
    BOOL ShowsTypedOtherValue(CFieldList& list, int field, CString& text) const;
    int OtherChoice() const { return HasOtherValue() ? (int)m_choices.size() - 1 : -1; }
};
