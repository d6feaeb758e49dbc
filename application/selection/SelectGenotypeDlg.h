#pragma once
// The genotype selection window as one dialog: the fields of the
// configuration's selection elements and the three information fields.
#include "application/selection/FieldFormDlg.h"
#include "application/selection/GenSelPageFields.h"
#include "genetics/Genotype.h"

class CGeneticsSection;

class CSelectGenotypeDlg : public CFieldFormDlg
{
    DECLARE_DYNAMIC(CSelectGenotypeDlg)
public:
    explicit CSelectGenotypeDlg(CWnd* parent);

    INT_PTR DoModal() override;
    BOOL OnInitDialog() override;
    void OnFieldChanged(int index) override;
    // Closes only on a genotype that the parent's box accepts.
    void OnOK() override;

    CGenSelPageFields m_page;
    int m_nSex;
    CGeneticsSection* m_pRules;
    CGeneticsSection* m_pGenes;
    CGenotype m_genotype;  // the working genotype: handed back on OK
    CGenotype m_remainder; // the genes that no field covers
};
