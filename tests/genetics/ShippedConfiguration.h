#pragma once

#include "PredictionTestSupport.h"
#include "genetics/GeneticsConfigLoad.h"

// A standard configuration used as the main dialog uses it: parents parsed
// against the genes section and completed with the rules section's assumed
// alleles.
class CShippedConfiguration
{
public:
    explicit CShippedConfiguration(const char* name);

    CGenotype Parent(const char* text, int sex) const;
    // The deduced text of a parent: mode 0 phenotype, 2 carried traits.
    CString Phenotype(const char* text, int sex, int mode = 0) const;
    void Predict(CMatingResult& result, const char* mother, const char* father) const;

    CGeneticsConfig m_config;
    CGeneticsSection* m_pRules;
    CGeneticsSection* m_pGenes;
};
