// Layout of the mating report: the parent lines, the rules-section line, the
// four lists under their "potential" headings and the lines' leading blanks.
#include "application/report/MatingReport.h"
#include "foundation/terminology/TerminologySetup.h"
#include "genetics/ConfigurationReading.h"
#include "genetics/ExpandTerms.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsSection.h"
#include "genetics/Genotype.h"
#include "genetics/MatingResult.h"
#include "support/LineSplitting.h"

#include <gtest/gtest.h>

#include <algorithm>
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
        EXPECT_STREQ((LPCTSTR)ReadConfigText(m_config, configText), "");
        m_rules = m_config.FindFirstRulesSection();
        CGeneticsSection* genes = m_rules->GetGenesSection();
        // An empty text stands for the empty genotype, as in the main dialog.
        if (*femaleText != '\0')
        {
            EXPECT_STREQ((LPCTSTR)m_female.Parse(genes, femaleText, SEX_FEMALE, 0), "");
        }
        if (*maleText != '\0')
        {
            EXPECT_STREQ((LPCTSTR)m_male.Parse(genes, maleText, SEX_MALE, 0), "");
        }
        m_femaleText = femaleText;
        m_maleText = maleText;
        return Rebuild(maxLength);
    }

    // The report of the parents of the last Report, with another limit.
    CString Rebuild(UINT maxLength)
    {
        const MatingReportParent female = {m_femaleText, "Black", &m_female};
        const MatingReportParent male = {m_maleText, "Brown", &m_male};
        return BuildMatingReport(m_config, m_rules, female, male, maxLength);
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
    CGeneticsSection* m_rules = NULL;
    CString m_femaleText;
    CString m_maleText;
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

UINT Shown(const CString& text)
{
    UINT shown = (UINT)text.GetLength();
    for (int i = 0; i < text.GetLength(); i++)
        shown += text[i] == '\n';
    return shown;
}

// The limit holds the whole report as the pane shows it, each line end a CR
// LF. Under it the genotype list keeps its most likely lines and says how
// many it leaves out; the other lists stay whole; when even they do not fit
// the report is the error alone.
TEST_F(MatingReport, AReportOverItsLimitCutsTheGenotypeListBeforeItFails)
{
    const CString fullText = Report(OneRulesSection, "Bb Dd", "Bb Dd");
    const UINT fullShown = Shown(fullText);
    EXPECT_STREQ((LPCTSTR)Rebuild(fullShown), (LPCTSTR)fullText);
    const std::vector<std::string> full = Lines(fullText);
    const int genotypes = 9;
    ASSERT_EQ(full.at(5), "9 potential genotypes:");
    const std::vector<std::string> rest(full.begin() + 6 + genotypes, full.end());

    size_t lastListed = genotypes;
    bool failed = false;
    for (UINT limit = fullShown - 1; limit > 0; limit--)
    {
        const CString text = Rebuild(limit);
        const std::vector<std::string> lines = Lines(text);
        ASSERT_GE(lines.size(), 6u);
        EXPECT_TRUE(std::equal(full.begin(), full.begin() + 5, lines.begin())) << "the parent lines stay";
        if (lines[5].rfind("Error: the report of the mating would be longer than ", 0) == 0)
        {
            EXPECT_EQ(lines.size(), 6u);
            failed = true;
            continue;
        }
        EXPECT_FALSE(failed) << limit << ": a longer limit failed, this one does not";
        EXPECT_LE(Shown(text), limit);
        ASSERT_GT(lines.size(), 6u + rest.size());
        const size_t listed = lines.size() - 7 - rest.size();
        EXPECT_LE(listed, lastListed) << limit;
        lastListed = listed;
        EXPECT_EQ(lines[5], full[5]) << "the heading counts every genotype";
        EXPECT_TRUE(std::equal(lines.begin() + 6, lines.begin() + 6 + listed, full.begin() + 6)) << limit;
        const size_t left = genotypes - listed;
        EXPECT_EQ(lines[6 + listed], "(" + std::to_string(left) + (left == 1 ? " more genotype" : " more genotypes") +
                                         " not listed: the whole list would be too long to show)");
        EXPECT_TRUE(std::equal(rest.begin(), rest.end(), lines.begin() + 7 + listed)) << limit;
    }
    EXPECT_EQ(lastListed, 0u) << "the list was cut down to none before the report failed";
    EXPECT_TRUE(failed);
}

// Offspring of unknown alleles whose rules say nothing carry the same name in
// the genotype list and in the two phenotype lists, never a blank one.
TEST_F(MatingReport, OffspringWithoutAPhenotypeAreUnknownInEveryList)
{
    const std::vector<std::string> lines = Lines(Report(OneRulesSection, "B,?", "B,?"));
    const std::vector<std::string> headings = CheckLists(lines, 5);
    const std::string unknown = (LPCTSTR)ExpandTerms("~Unknown~ ~phenotype~");
    int list = -1;
    int unknownIn[4] = {};
    for (size_t i = 5; i < lines.size(); i++)
    {
        if (lines[i].find(" potential ") != std::string::npos)
        {
            list++;
            continue;
        }
        if (lines[i].empty())
            continue;
        unknownIn[list] += lines[i].find(unknown) != std::string::npos;
        if (list == 1 || list == 2)
        {
            const size_t name = lines[i].find_first_not_of(' ', lines[i].find('%') + 1);
            EXPECT_NE(name, std::string::npos) << "a blank name: '" << lines[i] << "'";
        }
    }
    EXPECT_GT(unknownIn[0], 0);
    EXPECT_EQ(unknownIn[1], 1);
    EXPECT_EQ(unknownIn[2], 1);
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
