#include "application/selection/GenSelPageFields.h"

#include "application/selection/FieldList.h"
#include "application/selection/GenSelActionItem.h"
#include "application/selection/GenSelAssumedAlleles.h"
#include "application/selection/GenSelGenes.h"
#include "application/selection/GenSelGenotype.h"
#include "application/selection/GenSelInfoFields.h"
#include "application/selection/GenSelPhenotype.h"
#include "application/selection/GenotypeSexCheck.h"
#include "framework/messages/MessageRoutines.h"
#include "genetics/ExpandTerms.h"
#include "genetics/GeneticsSection.h"
#include "genetics/Genotype.h"

#include <algorithm>

CGenSelPageFields::CGenSelPageFields()
    : m_pWorking(NULL), m_pRemainder(NULL), m_pOwnerSheet(NULL), m_pChangedGenes(NULL), m_pSheetCoveredGenes(NULL),
      m_nChangedGenesShown(0)
{
}

void CGenSelPageFields::AddElement(CFieldList& form, CGeneticsSection* genes, CGeneticsSection* rules, int sex,
                                   CGenSelElement* element, const CString& groupText)
{
    const int field = element->AddField(rules, form, sex, *m_pWorking, m_coveredGenes, groupText);
    if (field < 0)
        return;
    m_fieldIndices.Add((DWORD)field);
    m_elements.Add(element);
    if (element->IsKindOf(RUNTIME_CLASS(CGenSelGenotype)))
        m_infoFields[INFO_GENOTYPE].push_back(field);
    else if (element->IsKindOf(RUNTIME_CLASS(CGenSelPhenotype)))
        m_infoFields[INFO_PHENOTYPE].push_back(field);
    else if (element->IsKindOf(RUNTIME_CLASS(CGenSelAssumedAlleles)))
        m_infoFields[INFO_ASSUMED_ALLELES].push_back(field);
}

void CGenSelPageFields::AddInfoFields(CFieldList& form)
{
    std::vector<DWORD> genes(m_coveredGenes.GetData(), m_coveredGenes.GetData() + m_coveredGenes.GetSize());
    std::sort(genes.begin(), genes.end());
    genes.erase(std::unique(genes.begin(), genes.end()), genes.end());
    m_coveredGenes.RemoveAll();
    for (DWORD gene : genes)
    {
        m_coveredGenes.Add(gene);
        m_pRemainder->RemoveGene(gene);
        if (m_pSheetCoveredGenes != NULL)
            m_pSheetCoveredGenes->Add(gene);
    }
    for (GenSelInfoField which : {INFO_GENOTYPE, INFO_ASSUMED_ALLELES, INFO_PHENOTYPE})
        if (m_infoFields[which].empty())
            m_infoFields[which].push_back(AddGenSelInfoField(form, which, 0, CString()));
}

void CGenSelPageFields::CollectChoices(CFieldList& form, CGeneticsSection* genes)
{
    for (int i = 0; i < m_coveredGenes.GetSize(); i++)
        m_pWorking->RemoveGene(m_coveredGenes[i]);
    for (int i = 0; i < m_elements.GetSize(); i++)
    {
        CGenSelGenes* element = DYNAMIC_DOWNCAST(CGenSelGenes, (CObject*)m_elements[i]);
        const int field = (int)m_fieldIndices[i];
        if (element != NULL && form.GetField(field)->IsPresent())
            m_pWorking->Merge(element->GetChosenGenotype(form, genes, field));
    }
}

namespace
{
// The genotype without the genes that the form does not cover.
CGenotype Covered(const CGenotype& genotype, const CDWordArray& covered)
{
    CGenotype copy(genotype);
    for (int i = genotype.GetCount() - 1; i >= 0; i--)
    {
        const UINT gene = genotype.GetPairs()[i].m_nGene;
        BOOL found = FALSE;
        for (int c = 0; c < covered.GetSize() && !found; c++)
            found = covered[c] == gene;
        if (!found)
            copy.RemoveGene(gene);
    }
    return copy;
}
} // namespace

void CGenSelPageFields::UpdateInfoTexts(CFieldList& form, CGeneticsSection* genes, CGeneticsSection* rules, int sex)
{
    const UINT flags = sex == SEX_EITHER ? FORMAT_SHOW_NONE : 0;
    CString genotypeText = Covered(*m_pWorking, m_coveredGenes).Format(genes, flags);
    const CString remainder = m_pRemainder->Format(genes, flags);
    if (!remainder.IsEmpty())
        genotypeText += " (" + remainder + ")";
    CGenotype withAssumed(*m_pWorking), assumed;
    rules->AddAssumedAlleles(withAssumed, sex, &assumed);
    const CString texts[3] = {genotypeText, Covered(assumed, m_coveredGenes).Format(genes, flags),
                              genes->DeducePhenotype(withAssumed, 1)};
    for (GenSelInfoField which : {INFO_GENOTYPE, INFO_ASSUMED_ALLELES, INFO_PHENOTYPE})
        for (int field : m_infoFields[which])
            form.SetFieldText(field, texts[which]);
}

void CGenSelPageFields::ShowWorkingGenotype(CFieldList& form, CGeneticsSection* genes, UINT onlyGene,
                                            const CGenSelElement* changed)
{
    for (int i = 0; i < m_elements.GetSize(); i++)
    {
        CGenSelGenes* shown = DYNAMIC_DOWNCAST(CGenSelGenes, (CObject*)m_elements[i]);
        if (shown != NULL && shown != changed && form.GetField((int)m_fieldIndices[i])->IsPresent() &&
            (onlyGene == 0 || shown->Covers(onlyGene)))
            shown->ShowGenotype(genes, *m_pWorking, form, (int)m_fieldIndices[i]);
    }
}

void CGenSelPageFields::CatchUpWithChanges(CFieldList& form, CGeneticsSection* genes)
{
    for (; m_pChangedGenes != NULL && m_nChangedGenesShown < m_pChangedGenes->GetSize(); m_nChangedGenesShown++)
        ShowWorkingGenotype(form, genes, (*m_pChangedGenes)[m_nChangedGenesShown]);
}

namespace
{
// Appends the genes whose pairs differ between the two genotypes.
void AddChangedGenes(const CGenotype& before, const CGenotype& after, CDWordArray& genes)
{
    for (const CGenotype* side : {&before, &after})
        for (int i = 0; i < side->GetCount(); i++)
        {
            const UINT gene = side->GetPairs()[i].m_nGene;
            const CAllelePair *a = before.FindPair(gene), *b = after.FindPair(gene);
            if (a == NULL || b == NULL || !a->IsEqual(*b))
                genes.Add(gene);
        }
}
} // namespace

void CGenSelPageFields::UpdateRemainder()
{
    const CDWordArray& covered = m_pSheetCoveredGenes != NULL ? *m_pSheetCoveredGenes : m_coveredGenes;
    *m_pRemainder = *m_pWorking;
    for (int i = 0; i < covered.GetSize(); i++)
        m_pRemainder->RemoveGene(covered[i]);
}

namespace
{
BOOL RefuseGenotype(const CString& text, const CString& error)
{
    ShowError(NULL, 0, "Error in %s '%s' - %s", (LPCTSTR)ExpandTerms("~genotype~"), (LPCTSTR)text, (LPCTSTR)error);
    return FALSE;
}
} // namespace

BOOL CGenSelPageFields::CheckForSex(CGeneticsSection* rules, int sex) const
{
    const CString error = GenotypeErrorForSex(rules, *m_pWorking, sex);
    if (error.IsEmpty())
        return TRUE;
    CGenotype shown(*m_pWorking);
    return RefuseGenotype(shown.Format(rules->GetGenesSection(), 0), error);
}

BOOL CGenSelPageFields::CheckOtherValues(CFieldList& form, CGeneticsSection* genes) const
{
    for (int i = 0; i < m_elements.GetSize(); i++)
    {
        CGenSelGenes* element = DYNAMIC_DOWNCAST(CGenSelGenes, (CObject*)m_elements[i]);
        const int field = (int)m_fieldIndices[i];
        CString text, error;
        if (element != NULL && form.GetField(field)->IsPresent() &&
            !element->ReadsOtherValue(form, genes, field, text, error))
        {
            // On a sheet OK may come from another page: the field's own comes to the front.
            if (m_pOwnerSheet != NULL)
                m_pOwnerSheet->SetActivePage(DYNAMIC_DOWNCAST(CPropertyPage, form.m_pHost));
            form.GetField(field)->SetFocus();
            return RefuseGenotype(text, error);
        }
    }
    return TRUE;
}

void CGenSelPageFields::RunFieldChange(CFieldList& form, CGeneticsSection* genes, CGeneticsSection* rules, int sex,
                                       int field, CWnd* window)
{
    if (field < 0 || field >= form.GetFieldCount() || !form.GetField(field)->IsPresent())
        return;
    int element = 0;
    while (element < m_fieldIndices.GetSize() && (int)m_fieldIndices[element] != field)
        element++;
    if (element == m_fieldIndices.GetSize())
        return;
    if (CGenSelActionItem* action = DYNAMIC_DOWNCAST(CGenSelActionItem, (CObject*)m_elements[element]))
    {
        const CGenotype before(*m_pWorking);
        action->DoAction(genes, window, form.GetFieldControlId(field), before, *m_pWorking);
        ShowWorkingGenotype(form, genes);
        UpdateRemainder();
        if (m_pChangedGenes != NULL)
            AddChangedGenes(before, *m_pWorking, *m_pChangedGenes);
    }
    else if (CGenSelGenes* changed = DYNAMIC_DOWNCAST(CGenSelGenes, (CObject*)m_elements[element]))
    {
        // The changed field wins over other fields of its genes: they show
        // its value, here at once and on the sheet's other pages when they
        // come to the front.
        changed->ForgetShownPairs();
        const CGenotype chosen = changed->GetChosenGenotype(form, genes, field);
        for (int i = 0; i < changed->m_coveredGenes.GetSize(); i++)
            m_pWorking->RemoveGene(changed->m_coveredGenes[i]);
        m_pWorking->Merge(chosen);
        for (int i = 0; i < changed->m_coveredGenes.GetSize(); i++)
        {
            ShowWorkingGenotype(form, genes, changed->m_coveredGenes[i], changed);
            if (m_pChangedGenes != NULL)
                m_pChangedGenes->Add(changed->m_coveredGenes[i]);
        }
    }
    if (m_pChangedGenes != NULL)
        m_nChangedGenesShown = (int)m_pChangedGenes->GetSize();
    CollectChoices(form, genes);
    UpdateInfoTexts(form, genes, rules, sex);
}
