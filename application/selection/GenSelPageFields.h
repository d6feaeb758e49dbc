#pragma once
// The part of a genotype selection form that one dialog or page holds: its
// elements' fields, the genes they cover, and the three information fields
// that show the genotype being built, its assumed alleles and its phenotype.
#include "afx/core/AfxCore.h"
#include "application/selection/GenSelInfoFields.h"

#include <vector>

class CFieldList;
class CGenSelElement;
class CGeneticsSection;
class CGenotype;
class CPropertySheet;
class CWnd;

class CGenSelPageFields
{
public:
    CGenSelPageFields();

    void AddElement(CFieldList& form, CGeneticsSection* genes, CGeneticsSection* rules, int sex,
                    CGenSelElement* element, const CString& groupText);
    void AddInfoFields(CFieldList& form);
    void CollectChoices(CFieldList& form, CGeneticsSection* genes);
    void UpdateInfoTexts(CFieldList& form, CGeneticsSection* genes, CGeneticsSection* rules, int sex);
    void RunFieldChange(CFieldList& form, CGeneticsSection* genes, CGeneticsSection* rules, int sex, int field,
                        CWnd* window);
    // The genes fields show the working genotype: all of them, or those of
    // one gene but the one that changed it.
    void ShowWorkingGenotype(CFieldList& form, CGeneticsSection* genes, UINT onlyGene = 0,
                             const CGenSelElement* changed = NULL);
    // Shows the genes that actions or fields on other pages of the sheet
    // changed since this page last looked.
    void CatchUpWithChanges(CFieldList& form, CGeneticsSection* genes);
    // Whether the parent may hold the working genotype; when not, says why
    // and answers FALSE, so that the window stays open.
    BOOL CheckForSex(CGeneticsSection* rules, int sex) const;
    // Whether every other value typed on the form reads as a genotype; when
    // one does not, shows its page, puts the focus on it, says why and
    // answers FALSE, so that the window stays open.
    BOOL CheckOtherValues(CFieldList& form, CGeneticsSection* genes) const;
    // The first field that shows the genotype, its assumed alleles or its phenotype.
    int GetInfoField(GenSelInfoField which) const { return m_infoFields[which].front(); }

    CGenotype* m_pWorking;
    CGenotype* m_pRemainder;
    CPropertySheet* m_pOwnerSheet;
    CDWordArray m_fieldIndices;
    CPtrArray m_elements;
    // The fields of each information kind: the elements' own, else one added.
    std::vector<int> m_infoFields[3];
    CDWordArray m_coveredGenes;
    CDWordArray* m_pChangedGenes;      // genes changed on any page, in turn; null in a dialog
    CDWordArray* m_pSheetCoveredGenes; // genes that the fields of every page cover; null in a dialog
    int m_nChangedGenesShown;

private:
    // The remainder follows the working genotype's genes that no field covers.
    void UpdateRemainder();
};
