#include "genetics/ConfigStatementParser.h"

#include "foundation/text/StringLists.h"
#include "foundation/text/Tokenizer.h"
#include "foundation/text/Trim.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsSection.h"
#include "genetics/StripComments.h"

#include <stdarg.h>

CString CGeneticsSection::ParseStatements(const CStringArray& lines, const CDWordArray& lineNumbers)
{
    CConfigStatementParser parser(*this, lines, lineNumbers);
    return parser.Run();
}

CConfigStatementParser::CConfigStatementParser(CGeneticsSection& section, const CStringArray& lines,
                                               const CDWordArray& lineNumbers)
    : m_section(section)
{
    m_lines.Copy(lines);
    m_numbers.Copy(lineNumbers);
    StripComments(m_lines, '#', &m_numbers);
    TrimStringArray(&m_lines);
    for (int i = 0; i < m_lines.GetSize(); i++)
    {
        CStringArray* words = new CStringArray;
        TokenizeText(m_lines[i], *words, ' ', TOKENIZE_TRIM, -1, '"', '"');
        m_words.Add(words);
    }
}

BOOL CConfigStatementParser::KeywordIs(int statement, const char* keyword) const
{
    return WordCount(statement) > 0 && Words(statement)[0].CompareNoCase(keyword) == 0;
}

CString CConfigStatementParser::Location(int statement) const
{
    return FormatLineReference((int)m_numbers[statement]);
}

CString CConfigStatementParser::JoinWords(int statement, int first) const
{
    return JoinStrings(Words(statement), " ", first, -1);
}

// A statement that a pass has taken keeps its place with no words, which
// every later pass skips; taking it out of the lists would move all later
// statements, once per statement.
void CConfigStatementParser::RemoveStatement(int statement)
{
    Words(statement).RemoveAll();
}

CString CConfigStatementParser::Error(int statement, const char* format, ...) const
{
    va_list args;
    va_start(args, format);
    CString detail;
    detail.FormatV(format, args);
    va_end(args);
    return Location(statement) + ", " + detail;
}

CString CConfigStatementParser::Run()
{
    typedef CString (CConfigStatementParser::*Pass)();
    static const Pass passes[] = {
        &CConfigStatementParser::ReadBaseOn,     &CConfigStatementParser::SkipUseFor,
        &CConfigStatementParser::ReadSexSystem,  &CConfigStatementParser::ReadGenes,
        &CConfigStatementParser::ReadLinks,      &CConfigStatementParser::ReadSexLinkage,
        &CConfigStatementParser::ReadDescriptions, &CConfigStatementParser::ReadRules,
        &CConfigStatementParser::ReadSelectionElements, &CConfigStatementParser::CheckRest,
    };
    for (Pass pass : passes)
    {
        CString error = (this->*pass)();
        if (!error.IsEmpty())
            return error;
    }
    return m_section.BuildLinkageTables();
}

CString CConfigStatementParser::ReadBaseOn()
{
    BOOL seen = FALSE;
    for (int i = 0; i < GetCount(); i++)
    {
        if (!KeywordIs(i, "baseon"))
            continue;
        if (seen)
            return Error(i, "multiple 'baseon's not permitted");
        seen = TRUE;
        if (WordCount(i) != 2)
            return Error(i, "'baseon' statement requires 1 argument");
        const CString& name = Words(i)[1];
        m_section.m_strBaseName = name;
        CGeneticsSection* base = m_section.m_pConfig ? m_section.m_pConfig->FindSection(name) : NULL;
        if (base == NULL || base == &m_section)
            return Error(i, "baseon '%s' not known", (LPCTSTR)name);
        if (m_section.m_bGenes && !base->m_bGenes)
            return Error(i, "genes section cannot be based on a rules section");
        m_section.CopyFromBase(*base);
        RemoveStatement(i);
    }
    if (!seen && !m_section.m_bGenes)
    {
        CString error;
        error.Format("rules section '%s' has no base set defined", (LPCTSTR)m_section.m_strName);
        return error;
    }
    return CString();
}

CString CConfigStatementParser::SkipUseFor()
{
    for (int i = 0; i < GetCount(); i++)
    {
        if (KeywordIs(i, "usefor"))
            RemoveStatement(i);
    }
    return CString();
}

CString CConfigStatementParser::ReadSexSystem()
{
    for (int i = 0; i < GetCount(); i++)
    {
        if (!KeywordIs(i, "sexsystem"))
            continue;
        if (!m_section.m_bGenes)
            return Error(i, "sex system may only be defined for a genes section, not a rules section");
        if (WordCount(i) != 2)
            return Error(i, "sex system should have 1 argument, not %d", WordCount(i) - 1);
        const CString& word = Words(i)[1];
        UINT system;
        if (word.CompareNoCase("xy") == 0)
            system = SEXSYSTEM_XY;
        else if (word.CompareNoCase("zw") == 0)
            system = SEXSYSTEM_ZW;
        else
            return Error(i, "unknown sex system '%s'", (LPCTSTR)word);
        if (system != m_section.m_nSexSystem && m_section.GetGeneCount() > 0)
            return Error(i, "sex system may not be changed once genes have been defined");
        m_section.m_nSexSystem = system;
        RemoveStatement(i);
    }
    return CString();
}

CString CConfigStatementParser::CheckRest()
{
    for (int i = 0; i < GetCount(); i++)
    {
        if (WordCount(i) == 0)
            continue;
        if (!KeywordIs(i, "testmating"))
            return Error(i, "unknown control line");
    }
    return CString();
}
