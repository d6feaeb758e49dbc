#include "application/report/MatingReport.h"

#include "foundation/text/StringLists.h"
#include "genetics/ExpandTerms.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsSection.h"
#include "genetics/MatingResult.h"

namespace
{
CString PotentialHeading(int count, const char* heading)
{
    CString text;
    text.Format("%d potential ", count);
    return text + ExpandTerms(heading);
}
}  // namespace

CString FormatMatingLists(CMatingResult& result, const CString& error)
{
    if (!error.IsEmpty())
        return "Error: " + error + "\n";
    static const char* const kListHeadings[RESULT_LIST_COUNT] = {"~phenotypes~:\n", "~phenotypeswithcarriedtraits~:\n",
                                                                 "~carriedtraits~:\n"};
    CStringArray lines;
    result.Collate(lines);
    CString report = PotentialHeading((int)lines.GetSize(), "~genotypes~:\n");
    report += JoinStrings(lines, "\n", 0, -1) + "\n";
    for (int list = 0; list < RESULT_LIST_COUNT; list++)
    {
        result.FormatList(list, lines);
        report += "\n" + PotentialHeading((int)lines.GetSize(), kListHeadings[list]);
        for (int i = 0; i < lines.GetSize(); i++)
            report += " " + lines[i] + "\n";
    }
    return report;
}

CString PredictMatingLists(CGeneticsSection* genes, const CGenotype& maternal, const CGenotype& paternal)
{
    CMatingResult result;
    const CString error = genes->PredictMating(result, maternal, paternal);
    return FormatMatingLists(result, error);
}

CString BuildMatingReport(const CGeneticsConfig& config, CGeneticsSection* rules, const MatingReportParent& female,
                          const MatingReportParent& male)
{
    CString report;
    report.Format("Maternal genotype specified: %s\nMaternal phenotype:          %s\n"
                  "Paternal genotype specified: %s\nPaternal phenotype:          %s\n",
                  (LPCTSTR)female.genotypeText, (LPCTSTR)female.phenotypeText, (LPCTSTR)male.genotypeText,
                  (LPCTSTR)male.phenotypeText);
    if (config.CountRulesSections() > 1)
        report += "Rules section: " + rules->m_strName + "\n";
    report += "\n" + PredictMatingLists(rules->GetGenesSection(), *female.genotype, *male.genotype);
    return report;
}
