#include "application/selection/GenotypeSexCheck.h"

#include "genetics/GeneticsSection.h"
#include "genetics/Genotype.h"

CString GenotypeErrorForSex(const CGeneticsSection* rules, const CGenotype& genotype, int sex)
{
    if (sex == SEX_EITHER || genotype.IsEmpty())
        return CString();
    CGenotype copy(genotype), parsed;
    return parsed.Parse(rules, copy.Format(rules->GetGenesSection(), 0), sex, 0);
}
