#include "application/report/MatingReport.h"

#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsSection.h"
#include "genetics/MatingResult.h"

#include <algorithm>

CString FormatMatingLists(CMatingResult& result, const CString& error)
{
    if (!error.IsEmpty())
        return "Error: " + error + "\n";
    // Written by the engine into one buffer sized ahead: a report of tens of
    // thousands of long lines is not built by growing one string line by line.
    // A report longer than the limit keeps its most likely genotype lines and
    // every other list whole.
    CString report;
    const CString writeError = result.WriteReport(report, TRUE);
    if (!writeError.IsEmpty())
        return "Error: " + writeError + "\n";
    return report;
}

CString PredictMatingLists(CGeneticsSection* genes, const CGenotype& maternal, const CGenotype& paternal,
                           UINT maxLength)
{
    // The prediction itself is held only to what the memory can take: its
    // phenotype lists may fit where the genotype list does not.
    CMatingResult result;
    result.m_nMaxReportLength = std::max(maxLength, MAX_REPORT_LENGTH);
    const CString error = genes->PredictMating(result, maternal, paternal);
    result.m_nMaxReportLength = maxLength;
    return FormatMatingLists(result, error);
}

CString BuildMatingReport(const CGeneticsConfig& config, CGeneticsSection* rules, const MatingReportParent& female,
                          const MatingReportParent& male, UINT maxLength)
{
    CString report;
    report.Format("Maternal genotype specified: %s\nMaternal phenotype:          %s\n"
                  "Paternal genotype specified: %s\nPaternal phenotype:          %s\n",
                  (LPCTSTR)female.genotypeText, (LPCTSTR)female.phenotypeText, (LPCTSTR)male.genotypeText,
                  (LPCTSTR)male.phenotypeText);
    if (config.CountRulesSections() > 1)
        report += "Rules section: " + rules->m_strName + "\n";
    report += "\n";
    // What the parent lines take, their line ends shown as CR LF, is not left
    // to the lists.
    UINT shown = (UINT)report.GetLength();
    for (int i = 0; i < report.GetLength(); i++)
        shown += report[i] == '\n';
    report += PredictMatingLists(rules->GetGenesSection(), *female.genotype, *male.genotype,
                                 maxLength > shown ? maxLength - shown : 0);
    return report;
}
