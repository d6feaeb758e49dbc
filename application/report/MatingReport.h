#pragma once
// The text of a mating prediction: the lines that name the parents, then the
// predicted genotypes, phenotypes, phenotypes with carried traits and carried
// traits, each list under its "potential" heading. Line ends are "\n".
#include "afx/core/AfxCore.h"
#include "genetics/MatingResult.h"

class CGeneticsConfig;
class CGeneticsSection;
class CGenotype;

// One parent as the main dialog holds it.
struct MatingReportParent
{
    CString genotypeText;   // as typed, trimmed
    CString phenotypeText;  // as last computed, without its heading
    const CGenotype* genotype;
};

// The lists of a finished prediction, from the first "potential" heading on,
// held to the result's m_nMaxReportLength as PredictMatingLists says;
// "Error: <error>\n" in their place when the prediction failed.
CString FormatMatingLists(CMatingResult& result, const CString& error);

// Predicts the mating of the two parsed genotypes through the genes section and
// returns FormatMatingLists of the outcome. Lists longer than maxLength
// characters as shown (each "\n" a CR LF) keep as many of the most likely
// genotype lines as fit, with a line that counts those not listed; only when
// the other lists alone pass it do they end in the engine's "too long" error.
CString PredictMatingLists(CGeneticsSection* genes, const CGenotype& maternal, const CGenotype& paternal,
                           UINT maxLength = MAX_REPORT_LENGTH);

// The whole report: the four parent lines, the rules section's name when the
// configuration has more than one, an empty line and the lists; the whole of
// it is held to maxLength characters as shown.
CString BuildMatingReport(const CGeneticsConfig& config, CGeneticsSection* rules, const MatingReportParent& female,
                          const MatingReportParent& male, UINT maxLength = MAX_REPORT_LENGTH);
