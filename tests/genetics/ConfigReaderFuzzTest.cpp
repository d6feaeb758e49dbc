// Damaged configurations: the shipped configurations and the test data,
// changed at random line by line, must either load or be refused with a
// message that says where; a configuration that loads must parse, describe
// and mate genotypes built from its own symbols without crashing, and the
// shares of a prediction must add up to 1.
#include "PredictionTestSupport.h"
#include "support/ThreadCpuTime.h"
#include "support/LineSplitting.h"
#include "genetics/MatingResult.h"

#include <math.h>
#include <stdio.h>

#include <random>
#include <string>
#include <vector>

namespace
{
typedef std::vector<std::string> Lines;

// Messages of the reader that name a section or a notes code instead of a line.
const char* const SectionMessages[] = {
    "cannot find gene specification start line",
    "duplicate section near line %s",
    "empty section near line %s",
    "rules section '%s' has no base set defined",
    "genes %s and %s are linked, but have different sex linkage",
    "section '%s' has a 'goto' rule referencing an unknown section '%s'",
    "'goto' rules form a cycle through section '%s'",
    "error in %%a%% code in notes: invalid gene %s",
    "error in %%d%% code in notes: invalid gene %s",
    "error in %%p%% code in notes: %s",
    // Faults of the links as a whole belong to no single line.
    "too many genes linked with gene '%s, at most %s may be linked",
    "error in shared sex gene linkage",
    "error in unshared sex gene linkage(2)",
    "gene linkage error",
};

// The message has the fixed text before the first "%s" and after the last.
bool HasMessageShape(const std::string& text, const std::string& format)
{
    const size_t first = format.find("%s");
    if (first == std::string::npos)
        return text == format;
    const size_t last = format.rfind("%s");
    const std::string head = format.substr(0, first);
    const std::string tail = format.substr(last + 2);
    return text.size() >= head.size() + tail.size() && text.compare(0, head.size(), head) == 0 &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool SaysWhere(const CString& error)
{
    const std::string text = (LPCTSTR)error;
    if (text.compare(0, 5, "line ") == 0 && text.find(", ") != std::string::npos)
        return true;
    for (const char* format : SectionMessages)
    {
        if (HasMessageShape(text, format))
            return true;
    }
    return false;
}

std::string ReadWholeFile(const std::string& path)
{
    std::string text;
    FILE* file = fopen(path.c_str(), "rb");
    if (file == NULL)
        return text;
    char chunk[4096];
    size_t count;
    while ((count = fread(chunk, 1, sizeof chunk, file)) > 0)
        text.append(chunk, count);
    fclose(file);
    return text;
}

std::string JoinLines(const Lines& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// Changes a configuration text at random with the words of the text itself,
// punctuation the reader treats specially and awkward numbers.
class CConfigMutator
{
public:
    CConfigMutator(const std::string& text, unsigned seed) : m_lines(SplitAtLineFeeds(text)), m_random(seed)
    {
        for (const std::string& line : m_lines)
        {
            size_t at = 0;
            while (at < line.size())
            {
                const size_t start = line.find_first_not_of(" \t\r", at);
                if (start == std::string::npos)
                    break;
                size_t end = line.find_first_of(" \t\r", start);
                if (end == std::string::npos)
                    end = line.size();
                m_vocabulary.push_back(line.substr(start, end - start));
                at = end;
            }
        }
        static const char* const extras[] = {
            ",", ";", ":", "(", ")", "!", "?", "-", "%", "@", "~", "=", "%%", "@@", "\"", "\\", "[", "]",
            "0", "-1", "100", "1e999", "-1e999", "1e-999", "4294967296", "-2147483649", "99999999999999999999",
            "0.00001", "nan", "inf", "50%", "=-1", "=1e999", "places=4294967296", "places=-1", "default=1e999",
            "ranges=0,A,1e999,B", "ranges=", "[genes X]", "[rules Y]", "goto", "baseon", "link", "gene",
            "polygene", "X-link", "Y-link", "describe", "selectgenotype", "say", "lethal", "%%p", "%%a", "%%d",
        };
        for (const char* extra : extras)
            m_extras.push_back(extra);
        m_extras.push_back(std::string(300, 'x'));
        m_extras.push_back(std::string(5000, 'Q'));
        m_extras.push_back(std::string(200, ','));
    }

    std::string Make()
    {
        Lines lines = m_lines;
        const int changes = 1 + Pick(4);
        for (int c = 0; c < changes && !lines.empty(); c++)
            Change(lines);
        return JoinLines(lines);
    }

private:
    int Pick(int n) { return n <= 1 ? 0 : (int)(m_random() % (unsigned)n); }

    std::string Token()
    {
        if (Pick(3) == 0 || m_vocabulary.empty())
            return m_extras[Pick((int)m_extras.size())];
        const std::string& word = m_vocabulary[Pick((int)m_vocabulary.size())];
        if (Pick(4) == 0)
            return word.substr(0, Pick((int)word.size() + 1));
        return word;
    }

    void Change(Lines& lines)
    {
        const int at = Pick((int)lines.size());
        std::string& line = lines[at];
        switch (Pick(11))
        {
        case 0:
            lines.erase(lines.begin() + at);
            break;
        case 1:
            lines.insert(lines.begin() + Pick((int)lines.size() + 1), line);
            break;
        case 2:
            std::swap(line, lines[Pick((int)lines.size())]);
            break;
        case 3:
            line = line.substr(0, Pick((int)line.size() + 1));
            break;
        case 4:
        case 5:
        {
            // A token inside the line, with or without blanks around it.
            const int position = Pick((int)line.size() + 1);
            const char* blank = Pick(2) ? " " : "";
            line.insert(position, blank + Token() + blank);
            break;
        }
        case 6:
        {
            std::string made = Token();
            for (int n = Pick(5); n > 0; n--)
                made += (Pick(3) ? " " : "") + Token();
            lines.insert(lines.begin() + at, made);
            break;
        }
        case 7:
            lines.resize(at);
            break;
        case 8:
        {
            // A number of the line becomes an awkward one, so that the
            // statement keeps its shape.
            const size_t digit = line.find_first_of("0123456789");
            if (digit == std::string::npos)
                break;
            const size_t end = line.find_first_not_of("0123456789.", digit);
            static const char* const numbers[] = {"0", "1e999", "4294967296", "-1", "1e-999", "100.5", "-0",
                                                  "99999999999999999999", "nan", "2147483648", "0.0000000001"};
            line.replace(digit, (end == std::string::npos ? line.size() : end) - digit, numbers[Pick(11)]);
            break;
        }
        default:
        {
            // A word of the line becomes another word of the file.
            const size_t start = line.find_first_not_of(' ', Pick((int)line.size() + 1));
            if (start == std::string::npos)
                break;
            const size_t end = line.find_first_of(" ,;:=", start);
            line.replace(start, (end == std::string::npos ? line.size() : end) - start, Token());
            break;
        }
        }
    }

    Lines m_lines;
    std::mt19937 m_random;
    std::vector<std::string> m_vocabulary;
    std::vector<std::string> m_extras;
};

// Genotype texts built from a genes section's symbols: a few genes with two
// of their symbols, sometimes "!", "?" or "-", and polygene values.
class CGenotypeMaker
{
public:
    CGenotypeMaker(const CGeneticsSection* section, unsigned seed) : m_section(section), m_random(seed) {}

    std::string Make()
    {
        std::string text;
        const UINT genes = m_section->GetGeneCount();
        for (int n = Pick(6) + 1; n > 0 && genes > 0; n--)
        {
            const UINT gene = 1 + (UINT)Pick((int)genes);
            if (!text.empty())
                text += " ";
            if (m_section->GetGeneDef(gene)->IsPolygene())
            {
                static const char* const values[] = {"0",     "4.5",    "9",        "-1",       "1e999",
                                                     "3-7",   "1e308",  "1.7e308",  "-1.7e308", "1e308-1.7e308",
                                                     "nan",   "-0",     "1e-300",   "7-3"};
                text += std::string((LPCTSTR)m_section->GetGeneName(gene)) + "=" +
                        values[Pick(sizeof values / sizeof values[0])];
                continue;
            }
            text += Allele(gene) + "," + Allele(gene);
        }
        return text;
    }

private:
    int Pick(int n) { return n <= 1 ? 0 : (int)(m_random() % (unsigned)n); }

    std::string Allele(UINT gene)
    {
        static const char* const specials[] = {"!", "?", "-"};
        if (Pick(8) == 0)
            return specials[Pick(3)];
        std::vector<UINT> codes;
        for (UINT code = 1; code <= m_section->GetSymbolCount(); code++)
        {
            if (m_section->GetSymbolGene(code) == gene)
                codes.push_back(code);
        }
        if (codes.empty())
            return "?";
        return (LPCTSTR)m_section->GetSymbolName(codes[Pick((int)codes.size())]);
    }

    const CGeneticsSection* m_section;
    std::mt19937 m_random;
};

// Parses genotypes of both sexes, describes them and predicts a mating.
bool ExerciseGenesSection(CGeneticsSection* section, unsigned seed, const std::string& config)
{
    CGenotypeMaker maker(section, seed);
    CGenotype parents[2];
    for (int sex = SEX_FEMALE; sex <= SEX_MALE; sex++)
    {
        for (int attempt = 0; attempt < 4; attempt++)
        {
            const std::string text = maker.Make();
            CGenotype genotype;
            if (!genotype.Parse(section, text.c_str(), sex, 0).IsEmpty())
                continue;
            for (int mode = 0; mode < 3; mode++)
                section->DeducePhenotype(genotype, mode);
            parents[sex].Copy(genotype);
        }
    }
    CMatingResult result;
    const CString error = section->PredictMating(result, parents[SEX_FEMALE], parents[SEX_MALE]);
    if (!error.IsEmpty() || result.GetOffspringCount() == 0)
        return false;
    EXPECT_NEAR(TotalShare(result), 1.0, 1e-9) << config << "mother: "
                                               << (LPCTSTR)parents[SEX_FEMALE].Format(section, 0)
                                               << "\nfather: " << (LPCTSTR)parents[SEX_MALE].Format(section, 0);
    return true;
}

struct CFuzzCounts
{
    int m_nLoaded = 0;
    int m_nPredicted = 0;  // matings with offspring
};

// Reads one configuration text and, when it loads, uses its genes sections.
// The sealed file of the same text, loaded as the program does, must give the
// same outcome when asked to.
void CheckConfiguration(const std::string& text, unsigned seed, CFuzzCounts& counts, bool sealedToo = false)
{
    CGeneticsConfig config;
    const CString error = ReadConfigText(config, text.c_str());
    if (sealedToo)
    {
        const CString reported = LoadSealedConfigText(text.c_str());
        if (error.IsEmpty())
            EXPECT_TEXT(reported, "") << text;
        else
            EXPECT_TEXT(reported, "Error in Genetics.Gen, " + error) << text;
    }
    if (!error.IsEmpty())
    {
        EXPECT_TRUE(SaysWhere(error)) << (LPCTSTR)error << "\n" << text;
        return;
    }
    counts.m_nLoaded++;
    for (int s = 0; s < config.GetSectionCount(); s++)
    {
        CGeneticsSection* section = config.GetSection(s);
        if (section->m_bGenes)
            counts.m_nPredicted += ExerciseGenesSection(section, seed + s, text);
    }
}

struct CSource
{
    const char* m_folder;
    const char* m_name;
};

const CSource Sources[] = {
    {"/configurations/", "BorderCollieAussie.txt"},
    {"/configurations/", "Dachshund.txt"},
    {"/configurations/", "GeneralCanine.txt"},
    {"/configurations/", "GreatDane.txt"},
    {"/configurations/", "Labrador.txt"},
    {"/tests/data/genetics/", "Full.txt"},
    {"/tests/data/genetics/", "predict_eight_loci.txt"},
};

const int MutantsPerSource = 3000;
} // namespace

// Polygene values at the edge of the number range: the mean of two parents
// must not overflow into a value that cannot be written or compared.
TEST(ConfigReaderFuzz, ExtremePolygeneValuesArePredictedOrRefused)
{
    CTestConfig config(BasicGenesText() + "polygene Size places=10 ranges=0,Small,1e308,Large,1.7e308\n");
    CGeneticsSection* genes = config.Section();
    static const char* const values[] = {"1e308", "1.7e308", "-1.7e308", "0.00000000001", "-5-20", "0"};
    int predicted = 0;
    for (const char* first : values)
    {
        for (const char* second : values)
        {
            CGenotype mother, father;
            const CString e1 = mother.Parse(genes, CString("Size=") + first + " Height=" + second, SEX_FEMALE, 0);
            const CString e2 = father.Parse(genes, CString("Size=") + second + " Height=" + first, SEX_MALE, 0);
            if (!e1.IsEmpty() || !e2.IsEmpty())
                continue;
            mother.Format(genes, 0);
            genes->DeducePhenotype(mother, 1);
            CMatingResult result;
            if (!genes->PredictMating(result, mother, father).IsEmpty())
                continue;
            predicted++;
            ASSERT_GT(result.GetOffspringCount(), 0) << first << " " << second;
            EXPECT_NEAR(TotalShare(result), 1.0, 1e-9) << first << " " << second;
            for (int i = 0; i < result.GetOffspringCount(); i++)
            {
                const CPredictedOffspring* offspring = result.GetOffspring(i);
                for (int p = 0; p < offspring->m_polygenes.GetCount(); p++)
                {
                    const CAllelePair& pair = offspring->m_polygenes.GetPairs()[p];
                    EXPECT_TRUE(isfinite(pair.m_dValue) && isfinite(pair.m_dUpper)) << first << " " << second;
                }
                CGenotype full;
                offspring->MakeFullGenotype(full);
                const CString written = full.Format(genes, FORMAT_SHOW_NONE);
                EXPECT_LT(written.GetLength(), 2000) << first << " " << second;
            }
        }
    }
    EXPECT_GE(predicted, 25);
}

TEST(ConfigReaderFuzz, DamagedConfigurationsLoadOrSayWhereTheyFail)
{
    EnsureDefaultTerms();
    for (const CSource& source : Sources)
    {
        const std::string text = ReadWholeFile(std::string(KESTROVA_SOURCE_DIR) + source.m_folder + source.m_name);
        ASSERT_FALSE(text.empty()) << source.m_name;
        SCOPED_TRACE(source.m_name);
        CFuzzCounts original;
        CheckConfiguration(text, 1, original);
        ASSERT_EQ(original.m_nLoaded, 1);

        CConfigMutator mutator(text, 20261207);
        CFuzzCounts counts;
        for (int i = 0; i < MutantsPerSource; i++)
        {
            CheckConfiguration(mutator.Make(), (unsigned)i, counts, i % 20 == 0);
            if (::testing::Test::HasFailure())
                return;
        }
        // Both outcomes must be exercised, or the mutations drifted.
        EXPECT_GT(counts.m_nLoaded, MutantsPerSource / 10);
        EXPECT_LT(counts.m_nLoaded, MutantsPerSource);
        EXPECT_GT(counts.m_nPredicted, MutantsPerSource / 20);
    }
}

// Genes G0 ... G(count-1) with the alleles Pi and qi; the kind of linkage
// "X" or "Y" puts them all on that sex chromosome, "link" chains them at
// 1 percent, "X link" and "Y link" do both. Answers the genotype heterozygous in all of them.
static CString LinkedGenesText(int count, const char* kind, CString& heterozygous)
{
    CString text = ManyHeterozygousGenes(count, heterozygous);
    const CString kinds(kind);
    CString sexLinked = kinds.Left(1) + "-link";
    for (int i = 0; i < count; i++)
    {
        CString line;
        line.Format(" G%d", i);
        sexLinked += line;
        line.Format("link G%d G%d 1\n", i - 1, i);
        if (i > 0 && kinds.Find("link") >= 0)
            text += line;
    }
    if (kinds != "link")
        text += sexLinked + "\n";
    return text;
}

// Every gene that a link chains with crossover doubles the table of its
// crossover patterns: forty linked genes used to exhaust the memory while
// loading, and twenty took seconds to load and hours to predict. Genes that
// merely share a sex chromosome have no crossover between them and make no
// such group, however many there are.
TEST(ConfigReaderFuzz, OverlongLinkageGroupsAreRefusedAtOnce)
{
    CString parent;
    for (const char* kind : {"link", "X link", "Y link"})
    {
        for (int count : {17, 20, 40})
        {
            CGeneticsConfig config;
            const CThreadCpuTimer timer;
            const CString error = ReadConfigText(config, LinkedGenesText(count, kind, parent));
            CString expected;
            expected.Format("too many genes linked with gene 'G0': %d, at most 16 may be linked", count);
            EXPECT_TEXT(error, expected) << kind << " " << count;
            EXPECT_TRUE(SaysWhere(error));
            EXPECT_LT(timer.Milliseconds(), 1000u) << kind << " " << count;
        }
    }
    for (const char* kind : {"X", "Y"})
    {
        CGeneticsConfig config;
        const CThreadCpuTimer timer;
        EXPECT_TEXT(ReadConfigText(config, LinkedGenesText(2000, kind, parent)), "") << kind;
        EXPECT_LT(timer.Milliseconds(), 3000u) << kind;
    }

    // Forty genes on the X chromosome without links load and predict: the
    // mother, heterozygous in all of them, passes one of her two X
    // chromosomes whole.
    CTestConfig config(LinkedGenesText(40, "X", parent));
    CGeneticsSection* genes = config.Section();
    CString mother, father;
    for (int i = 0; i < 40; i++)
    {
        CString pair;
        pair.Format("P%d,q%d ", i, i);
        mother += pair;
        pair.Format("P%d ", i);
        father += pair;
    }
    CMatingResult result;
    const CThreadCpuTimer timer;
    EXPECT_TEXT(genes->PredictMating(result, ParseGenotype(genes, mother, SEX_FEMALE),
                                     ParseGenotype(genes, father, SEX_MALE)),
                "");
    EXPECT_NEAR(TotalShare(result), 1.0, 1e-9);
    EXPECT_EQ(result.GetOffspringCount(), 4);
    EXPECT_LT(timer.Milliseconds(), 3000u);
}

// Parsing, evaluating and freeing a condition recurse once per bracket and
// per operand: 100,000 nested brackets or a chain of 100,000 operands on one
// rule line overflowed the stack. A condition of 2,000 brackets or operands
// still works.
TEST(ConfigReaderFuzz, OverlongConditionsAreRefusedInsteadOfOverflowingTheStack)
{
    for (int count : {2000, 100000})
    {
        CString nested, chain;
        for (int i = 0; i < count; i++)
        {
            nested += "( ";
            chain += i > 0 ? " or B,b" : "B,b";
        }
        nested += "B,b";
        for (int i = 0; i < count; i++)
            nested += " )";
        for (const CString& condition : {nested, chain})
        {
            CGeneticsConfig config;
            const CString error = ReadConfigText(config, BasicGenesText() + condition + " lethal\n");
            if (count > 4096)
            {
                EXPECT_EQ(error.Find("line 10, invalid expression '"), 0) << count;
                EXPECT_GT(error.Find("' on 'lethal' line - expression too long: more than 4096 words and brackets"), 0)
                    << count;
                continue;
            }
            ASSERT_STREQ((LPCTSTR)error, "") << count;
            CGeneticsSection* genes = config.GetSection(0);
            EXPECT_TRUE(genes->IsLethal(ParseGenotype(genes, "B,b")));
            EXPECT_FALSE(genes->IsLethal(ParseGenotype(genes, "B,B")));
        }
    }
}
