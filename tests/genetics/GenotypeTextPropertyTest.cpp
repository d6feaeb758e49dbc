// Random genotype texts built from a configuration's symbols either parse or
// give one of the parser's messages; a parsed genotype survives formatting
// and parsing again.
#include "GeneticsTestSupport.h"

#include <random>
#include <string>
#include <vector>

namespace
{
const char* const Messages[] = {
    "allele pair list empty",
    "allele pair '%s' must have 2 alleles given (possibly 1 for sex linked genes)",
    "unknown allele or range symbol '%s'",
    "empty allele or range symbol name",
    "allele '%s' is a polygenic range symbol",
    "only one allele '%s' for the '%s' gene present, yet this gene is not sex linked",
    "only one allele '%s' for the '%s' gene present, yet this individual is known to be %s and %s should have 2 "
    "alleles for this gene",
    "allele '%s' for the '%s' gene present, yet this individual is known to be %s, and %s are homogametic and "
    "cannot carry this gene",
    "maternal allele %s - %s",
    "paternal allele %s - %s",
    "cannot identify gene",
    "alleles not from same gene",
    "paternal allele is a polygenic range symbol",
    "maternal allele is a polygenic range symbol",
    "maternal allele missing, yet paternal allele %s is not sex linked",
    "paternal allele missing, yet maternal allele %s is not sex linked",
    "maternal allele missing, yet the paternal allele %s is known to be sex linked to the unshared sex chromosome, "
    "yet this individual is known to be %s and %s should have 2 alleles for this gene",
    "paternal allele missing, yet the maternal allele %s is known to be sex linked to the unshared sex chromosome, "
    "yet this individual is known to be %s and %s should have 2 alleles for this gene",
    "'%s' cannot be associated with the %s sex",
    "Alleles for gene '%s' are multiply defined",
};

// The text has the template's fixed pieces in order, starting and ending alike.
bool MatchesTemplate(const std::string& text, const std::string& format)
{
    std::vector<std::string> pieces(1);
    for (size_t i = 0; i < format.size(); i++)
    {
        if (format[i] == '%' && i + 1 < format.size() && (format[i + 1] == 's' || format[i + 1] == 'd'))
        {
            pieces.push_back("");
            i++;
        }
        else
        {
            pieces.back() += format[i];
        }
    }
    if (pieces.size() == 1)
        return text == format;
    if (text.compare(0, pieces[0].size(), pieces[0]) != 0)
        return false;
    size_t at = pieces[0].size();
    for (size_t p = 1; p + 1 < pieces.size(); p++)
    {
        at = text.find(pieces[p], at);
        if (at == std::string::npos)
            return false;
        at += pieces[p].size();
    }
    const std::string& last = pieces.back();
    return text.size() >= at + last.size() && text.compare(text.size() - last.size(), last.size(), last) == 0;
}

bool IsKnownMessage(const CString& text)
{
    for (const char* format : Messages)
    {
        if (MatchesTemplate((LPCTSTR)text, format))
            return true;
    }
    return false;
}

class RandomTexts
{
public:
    explicit RandomTexts(const CGeneticsSection* section) : m_random(20261207)
    {
        for (UINT code = 1; code <= section->GetSymbolCount(); code++)
            m_symbols.push_back((LPCTSTR)section->GetSymbolName(code));
        m_symbols.push_back("!");
        m_symbols.push_back("?");
        m_symbols.push_back("-");
    }

    std::string Text()
    {
        std::string text;
        const int words = Pick(3) + 1;
        for (int i = 0; i < words; i++)
        {
            if (i > 0)
                text += Pick(4) == 0 ? ";" : " ";
            text += Word();
        }
        return text;
    }

private:
    int Pick(int n) { return (int)(m_random() % (unsigned)n); }
    const std::string& Symbol() { return m_symbols[Pick((int)m_symbols.size())]; }

    std::string Number()
    {
        std::string number = std::to_string(Pick(30) - 5);
        if (Pick(2))
            number += "." + std::to_string(Pick(10));
        return number;
    }

    std::string Word()
    {
        switch (Pick(8))
        {
        case 0:
        case 1:
            return Symbol() + "," + Symbol();
        case 2:
        case 3:
            return Symbol() + Symbol();
        case 4:
            return Symbol();
        case 5:
            return "Height=" + Number() + (Pick(2) ? "-" + Number() : std::string());
        case 6:
            return Symbol() + "," + Symbol() + "," + Symbol();
        default:
        {
            static const char junk[] = "BbXxoYg,;()!?-= _1";
            std::string word;
            for (int n = Pick(6); n >= 0; n--)
                word += junk[Pick(sizeof(junk) - 1)];
            return word;
        }
        }
    }

    std::mt19937 m_random;
    std::vector<std::string> m_symbols;
};
} // namespace

TEST(GenotypeTextProperty, RandomTextsParseOrGiveAKnownMessage)
{
    for (int system = 0; system < 2; system++)
    {
        CTestConfig config(BasicGenesText(system == 1) + "gene C C, c, Cc\ngene S s, tu, st, u\n");
        const CGeneticsSection* section = config.Section();
        RandomTexts texts(section);
        int parsed = 0;
        for (int i = 0; i < 20000; i++)
        {
            const std::string text = texts.Text();
            const int sex = i % 3;
            const UINT flags = (UINT)(i / 3) % 8;
            CGenotype genotype;
            CStringArray messages;
            const CString error = genotype.Parse(section, text.c_str(), sex, flags, NULL, &messages);
            if (!error.IsEmpty())
            {
                EXPECT_TRUE(IsKnownMessage(error)) << text << " -> " << (LPCTSTR)error;
                continue;
            }
            for (int m = 0; m < messages.GetSize(); m++)
                EXPECT_TRUE(IsKnownMessage(messages[m])) << text << " -> " << (LPCTSTR)messages[m];
            parsed++;
            const CString written = genotype.Format(section, FORMAT_SHOW_NONE | FORMAT_UNKNOWN_AS_QUESTION |
                                                                 FORMAT_NO_RANGE_SYMBOLS);
            CGenotype again;
            EXPECT_TEXT(again.Parse(section, written, sex, flags & ~PARSE_COLLECT), "")
                << text << " -> " << (LPCTSTR)written;
            EXPECT_TRUE(again.IsEqual(genotype)) << text << " -> " << (LPCTSTR)written;
        }
        EXPECT_GT(parsed, 1500);
    }
}
