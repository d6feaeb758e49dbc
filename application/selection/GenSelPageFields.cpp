#include "application/selection/GenSelPageFields.h"

#include "application/selection/FieldList.h"
#include "application/selection/GenSelActionItem.h"
#include "application/selection/GenSelAssumedAlleles.h"
#include "application/selection/GenSelGenes.h"
#include "application/selection/GenSelGenotype.h"
#include "application/selection/GenSelInfoFields.h"
#include "application/selection/GenSelPhenotype.h"
#include "genetics/GeneticsSection.h"
#include "genetics/Genotype.h"

#include <algorithm>

CGenSelPageFields::CGenSelPageFields()
    : m_pWorking(NULL), m_pRemainder(NULL), m_pOwnerSheet(NULL), m_nGenotypeField(-1), m_nPhenotypeField(-1),
      m_nAssumedField(-1)
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
        m_nGenotypeField = field;
    else if (element->IsKindOf(RUNTIME_CLASS(CGenSelPhenotype)))
        m_nPhenotypeField = field;
    else if (element->IsKindOf(RUNTIME_CLASS(CGenSelAssumedAlleles)))
        m_nAssumedField = field;
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
    }
    if (m_nGenotypeField < 0)
        m_nGenotypeField = AddGenSelInfoField(form, INFO_GENOTYPE, 0, CString());
    if (m_nAssumedField < 0)
        m_nAssumedField = AddGenSelInfoField(form, INFO_ASSUMED_ALLELES, 0, CString());
    if (m_nPhenotypeField < 0)
        m_nPhenotypeField = AddGenSelInfoField(form, INFO_PHENOTYPE, 0, CString());
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
    form.SetFieldText(m_nGenotypeField, genotypeText);

    CGenotype withAssumed(*m_pWorking), assumed;
    rules->AddAssumedAlleles(withAssumed, sex, &assumed);
    form.SetFieldText(m_nPhenotypeField, genes->DeducePhenotype(withAssumed, 1));
    form.SetFieldText(m_nAssumedField, Covered(assumed, m_coveredGenes).Format(genes, flags));
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
        // The genes fields show what the action set; collecting them again
        // keeps what matches their choices.
        for (int i = 0; i < m_elements.GetSize(); i++)
        {
            CGenSelGenes* shown = DYNAMIC_DOWNCAST(CGenSelGenes, (CObject*)m_elements[i]);
            if (shown != NULL && form.GetField((int)m_fieldIndices[i])->IsPresent())
                shown->ShowGenotype(genes, *m_pWorking, form, (int)m_fieldIndices[i]);
        }
    }
    CollectChoices(form, genes);
    UpdateInfoTexts(form, genes, rules, sex);
}
