// Layout of the mating report: the parent lines, the rules-section line, the
// four lists under their "potential" headings and the lines' leading blanks.
#include "application/report/MatingReport.h"
#include "foundation/terminology/TerminologySetup.h"
#include "foundation/text/TextLines.h"
#include "genetics/ExpandTerms.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsSection.h"
#include "genetics/Genotype.h"
#include "genetics/MatingResult.h"
#include "support/LineSplitting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
const char OneRulesSection[] = "[genes G]\ngene B B, b\ngene D D, d\n"
                               "[rules Coat]\nbaseon G\nB,- say Black\nb,b say Brown\nB,b carries brown\n"
                               "d,d say dilute\nD,d carries dilute\n";
const char TwoRulesSections[] = "[genes G]\ngene B B, b\n"
                                "[rules First]\nbaseon G\nB,- say Black\nb,b say Brown\nB,b carries brown\n"
                                "[rules Second]\nbaseon G\nalways say Other\n";

std::vector<std::string> Lines(const CString& text)
{
    EXPECT_TRUE(text.IsEmpty() || text[text.GetLength() - 1] == '\n') << "the report ends with a line feed";
    return SplitAtLineFeeds((LPCTSTR)text);
}

class MatingReport : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        InitProductTerms();
        InitDefaultTerms();
    }

    CString Report(const char* configText, const char* femaleText, const char* maleText,
                   UINT maxLength = MAX_REPORT_LENGTH)
    {
        CStringArray lines;
        SplitTextLines(configText, lines);
        EXPECT_STREQ((LPCTSTR)m_config.Read(lines), "");
        CGeneticsSection* rules = NULL;
        for (int i = 0; i < m_config.GetSectionCount() && rules == NULL; i++)
            if (!m_config.GetSection(i)->m_bGenes)
                rules = m_config.GetSection(i);
        CGeneticsSection* genes = rules->GetGenesSection();
        // An empty text stands for the empty genotype, as in the main dialog.
        if (*femaleText != '\0')
        {
            EXPECT_STREQ((LPCTSTR)m_female.Parse(genes, femaleText, SEX_FEMALE, 0), "");
        }
        if (*maleText != '\0')
        {
            EXPECT_STREQ((LPCTSTR)m_male.Parse(genes, maleText, SEX_MALE, 0), "");
        }
        const MatingReportParent female = {femaleText, "Black", &m_female};
        const MatingReportParent male = {maleText, "Brown", &m_male};
        return BuildMatingReport(m_config, rules, female, male, maxLength);
    }

    // Checks that every "N potential X:" heading is followed by N lines (then
    // an empty line or the end), the genotype lines without a leading blank
    // and the other lists' lines with exactly one; returns the headings.
    std::vector<std::string> CheckLists(const std::vector<std::string>& lines, size_t first)
    {
        const std::string headings[] = {(LPCTSTR)ExpandTerms("~genotypes~:"), (LPCTSTR)ExpandTerms("~phenotypes~:"),
                                        (LPCTSTR)ExpandTerms("~phenotypeswithcarriedtraits~:"),
                                        (LPCTSTR)ExpandTerms("~carriedtraits~:")};
        std::vector<std::string> found;
        size_t at = first;
        for (int list = 0; list < 4; list++)
        {
            if (list > 0)
            {
                EXPECT_EQ(lines.at(at), "") << "empty line before list " << list;
                at++;
            }
            int count = -1;
            char rest[200] = "";
            EXPECT_EQ(sscanf(lines.at(at).c_str(), "%d potential %199[^\n]", &count, rest), 2) << lines.at(at);
            EXPECT_EQ(std::string(rest), headings[list]);
            found.push_back(lines.at(at));
            at++;
            // The genotype list writes its (possibly empty) joined lines as one
            // line at least.
            const int shown = (list == 0 && count == 0) ? 1 : count;
            for (int i = 0; i < shown; i++, at++)
            {
                const std::string& line = lines.at(at);
                const bool leadingBlankRight = list == 0 ? (line.empty() ? count == 0 : line[0] != ' ')
                                                         : line.size() > 1 && line[0] == ' ' && line[1] != ' ';
                EXPECT_TRUE(leadingBlankRight) << "list " << list << ": " << line;
            }
        }
        EXPECT_EQ(at, lines.size());
        return found;
    }

    CGeneticsConfig m_config;
    CGenotype m_female;
    CGenotype m_male;
};

TEST_F(MatingReport, OneRulesSectionGivesParentLinesAndFourLists)
{
    const std::vector<std::string> lines = Lines(Report(OneRulesSection, "Bb Dd", "bb"));
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], "Maternal genotype specified: Bb Dd");
    EXPECT_EQ(lines[1], "Maternal phenotype:          Black");
    EXPECT_EQ(lines[2], "Paternal genotype specified: bb");
    EXPECT_EQ(lines[3], "Paternal phenotype:          Brown");
    EXPECT_EQ(lines[4], "");
    const std::vector<std::string> headings = CheckLists(lines, 5);
    EXPECT_NE(headings[0].substr(0, 2), "0 ") << "the mating has offspring";
}

TEST_F(MatingReport, SeveralRulesSectionsNameTheFirst)
{
    const std::vector<std::string> lines = Lines(Report(TwoRulesSections, "", "Bb"));
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Maternal genotype specified: ");
    EXPECT_EQ(lines[4], "Rules section: First");
    EXPECT_EQ(lines[5], "");
    CheckLists(lines, 6);
}

// The limit holds the whole report as the pane shows it, each line end a CR LF.
TEST_F(MatingReport, TheWholeReportAsShownIsHeldToItsLimit)
{
    const CString full = Report(OneRulesSection, "Bb Dd", "Bb Dd");
    UINT shown = (UINT)full.GetLength();
    for (int i = 0; i < full.GetLength(); i++)
        shown += full[i] == '\n';
    EXPECT_STREQ((LPCTSTR)Report(OneRulesSection, "Bb Dd", "Bb Dd", shown), (LPCTSTR)full);
    const std::vector<std::string> cut = Lines(Report(OneRulesSection, "Bb Dd", "Bb Dd", shown - 1));
    ASSERT_EQ(cut.size(), 6u);
    EXPECT_EQ(cut[4], "");
    EXPECT_EQ(cut[5].rfind("Error: the report of the mating would be longer than ", 0), 0u) << cut[5];
}

TEST_F(MatingReport, ListsOfAnEmptyResultAndOfAnError)
{
    CMatingResult empty;
    const std::vector<std::string> lines = Lines("\n" + FormatMatingLists(empty, ""));
    const std::vector<std::string> headings = CheckLists(lines, 1);
    for (const std::string& heading : headings)
        EXPECT_EQ(heading.substr(0, 12), "0 potential ");
    EXPECT_STREQ((LPCTSTR)FormatMatingLists(empty, "too many outcomes"), "Error: too many outcomes\n");
}
}  // namespace
