#pragma once

#include <vector>

#include "PredictionTestSupport.h"
#include "genetics/GeneticsConfigLoad.h"

// The file names of the standard configurations in configurations/.
std::vector<CString> ShippedConfigurations();

// Reads a standard configuration as the loader does; returns the error text.
CString LoadShippedConfiguration(CGeneticsConfig& config, const char* name);

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
