#pragma once
// One page of the genotype selection sheet: its elements' fields and the three
// information fields, refreshed whenever the page comes to the front.
#include "application/selection/FieldFormPage.h"
#include "application/selection/GenSelPageFields.h"

class CGeneticsSection;

class CSelectGenotypePage : public CFieldFormPage
{
    DECLARE_DYNAMIC(CSelectGenotypePage)
public:
    explicit CSelectGenotypePage(UINT templateId);

    BOOL OnSetActive() override;
    void OnFieldChanged(int index) override;
    BOOL OnApply() override;

    CGenSelPageFields m_page;
    int m_nSex;
    CGeneticsSection* m_pRules;
    CGeneticsSection* m_pGenes;
};
