#pragma once
// The part of a genotype selection form that one dialog or page holds: its
// elements' fields, the genes they cover, and the three information fields
// that show the genotype being built, its assumed alleles and its phenotype.
#include "afx/AfxCore.h"

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

    CGenotype* m_pWorking;
    CGenotype* m_pRemainder;
    CPropertySheet* m_pOwnerSheet;
    CDWordArray m_fieldIndices;
    CPtrArray m_elements;
    int m_nGenotypeField;
    int m_nPhenotypeField;
    int m_nAssumedField;
    CDWordArray m_coveredGenes;
};
