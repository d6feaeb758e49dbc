#pragma once
// The genotype selection window as a sheet: one page per group of elements
// (a tab starts a group), long groups continued on further pages.
#include "application/selection/FieldFormSheet.h"
#include "genetics/Genotype.h"

class CGeneticsSection;
class CSelectGenotypePage;

class CSelectGenotypeSheet : public CFieldFormSheet
{
    DECLARE_DYNAMIC(CSelectGenotypeSheet)
public:
    CSelectGenotypeSheet(LPCTSTR caption, CWnd* parent);

    // Fields on a page before a continuation page starts.
    static const int FieldsPerPage = 13;

    // Builds the pages from the rules section's elements.
    void AddPages();
    CFieldFormPage* CreatePage(UINT templateId) override;
    INT_PTR DoModal() override;

    int m_nSex;
    CGeneticsSection* m_pRules;
    CGeneticsSection* m_pGenes;
    CGenotype m_genotype;  // the working genotype: handed back on OK
    CGenotype m_remainder; // the genes that no field covers
    CDWordArray m_changedGenes; // genes that actions or fields changed, in turn
    CDWordArray m_coveredGenes; // genes that the fields of the pages cover

private:
    CSelectGenotypePage* StartPage(const CString& title);
};
