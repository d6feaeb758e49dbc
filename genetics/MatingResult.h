#pragma once

#include "afx/core/AfxCore.h"
#include "foundation/containers/OwningObArray.h"
#include "genetics/MatingResultItem.h"
#include "genetics/PredictedOffspring.h"

class CGeneticsSection;
class CGenotype;

// Result lists of a mating prediction.
const int RESULT_LIST_PHENOTYPES = 0;
const int RESULT_LIST_PHENOTYPES_WITH_CARRIED = 1;
const int RESULT_LIST_CARRIED_TRAITS = 2;
const int RESULT_LIST_COUNT = 3;

// The longest mating report that a prediction may give, in characters as the
// report is shown (each line end counted as CR LF). The offspring's texts,
// the report's lines and the report itself are each about this large, and
// they must fit into a 32-bit address space beside everything else; a report
// of tens of megabytes is far beyond reading in any case.
const UINT MAX_REPORT_LENGTH = 96u * 1024u * 1024u;

// What a mating prediction found: the predicted offspring and three lists
// that gather the shares of equal phenotypes, phenotypes with carried traits
// and carried traits.
class CMatingResult : public CObject
{
public:
    CMatingResult();
    virtual ~CMatingResult();

    void RemoveAll();

    void AddOffspring(CPredictedOffspring* offspring) { m_offspring.Add(offspring); }
    int GetOffspringCount() const { return (int)m_offspring.GetSize(); }
    CPredictedOffspring* GetOffspring(int index) const { return (CPredictedOffspring*)m_offspring.GetAt(index); }
    // First offspring of that sex whose genotype equals the given one.
    CPredictedOffspring* FindOffspring(const CGenotype& genotype, UINT sex) const;

    void AddItem(int list, CMatingResultItem* item) { m_lists[list].Add(item); }
    int GetItemCount(int list) const { return (int)m_lists[list].GetSize(); }
    CMatingResultItem* GetItem(int list, int index) const { return (CMatingResultItem*)m_lists[list].GetAt(index); }
    // First item of the list whose text is exactly the given one.
    CMatingResultItem* FindItem(int list, const CString& text) const;

    // Builds the three lists from the offspring.
    void CollateTexts();
    // Sorts the offspring and the three lists by share, greatest first.
    void SortByShare();
    // One line per distinct offspring description, with its share.
    void Collate(CStringArray& lines) const;
    // One line per item of a list, with its share.
    void FormatList(int list, CStringArray& lines) const;
    // Appends the report's lists to the report: the genotype lines of Collate
    // and the lines of the three lists, each under its count and heading. The
    // report is written into one buffer sized ahead. When the whole report
    // would be longer than m_nMaxReportLength it is left as it was and the
    // error is returned; with cutGenotypeList the genotype list is cut
    // instead, most likely lines first, with one line saying how many are
    // not listed, and the error stands only when the other lists do not fit.
    CString WriteReport(CString& report, BOOL cutGenotypeList = FALSE) const;
    // The error of a prediction whose report would be too long.
    CString TooLongReport() const;

    COwningObArray m_offspring;
    COwningObArray m_lists[RESULT_LIST_COUNT];
    CGeneticsSection* m_pGenesSection;
    UINT m_bRulesSectionsDiffer;
    // The longest report that the caller can take, MAX_REPORT_LENGTH unless it
    // sets a lower limit (the box that shows the report may hold less). A
    // prediction whose report would be longer ends in TooLongReport.
    UINT m_nMaxReportLength;

private:
    CString WriteReportWithinMemory(CString& report, BOOL cutGenotypeList) const;

    CMatingResult(const CMatingResult&) = delete;
    CMatingResult& operator=(const CMatingResult&) = delete;
};

// The genes of which every offspring has an equal pair, ascending.
void FindCommonGenes(const CMatingResult& result, CDWordArray& commonGenes);
