#include "genetics/GeneticsConfig.h"

#include <memory>
#include <string.h>

#include "foundation/text/StringLists.h"
#include "foundation/text/Trim.h"
#include "genetics/GeneticsSection.h"
#include "genetics/StripComments.h"

CGeneticsConfig::CGeneticsConfig()
{
}

CGeneticsConfig::~CGeneticsConfig()
{
    Clear();
}

void CGeneticsConfig::Clear()
{
    m_sections.DeleteAll();
    m_strDescription.Empty();
    m_strNotes.Empty();
    m_strVersion.Empty();
}

CGeneticsSection* CGeneticsConfig::FindSection(const char* name) const
{
    if (name == NULL || *name == '\0')
        return NULL;
    for (int i = 0; i < m_sections.GetSize(); i++)
    {
        CGeneticsSection* section = GetSection(i);
        if (section->m_strName.CompareNoCase(name) == 0)
            return section;
    }
    return NULL;
}

int CGeneticsConfig::CountRulesSections() const
{
    int count = 0;
    for (int i = 0; i < m_sections.GetSize(); i++)
    {
        if (!GetSection(i)->m_bGenes)
            count++;
    }
    return count;
}

BOOL ParseSectionHeader(const CString& line, CString* name, BOOL* genes)
{
    const int length = line.GetLength();
    if (length < 3 || line[0] != '[' || line[length - 1] != ']')
        return FALSE;
    CString inner = line.Mid(1, length - 2);
    TrimString(&inner);
    const int blank = inner.Find(' ');
    if (blank < 0)
        return FALSE;
    CString kind = inner.Left(blank);
    CString sectionName = inner.Mid(blank + 1);
    TrimString(&kind);
    TrimString(&sectionName);
    if (sectionName.IsEmpty())
        return FALSE;
    const BOOL isGenes = kind.CompareNoCase("genes") == 0;
    if (!isGenes && kind.CompareNoCase("rules") != 0)
        return FALSE;
    if (name != NULL)
        *name = sectionName;
    if (genes != NULL)
        *genes = isGenes;
    return TRUE;
}

static BOOL StartsWithNoCase(const CString& line, const char* prefix, int length)
{
    return line.GetLength() >= length && line.Left(length).CompareNoCase(prefix) == 0;
}

static CString TrimmedRest(const CString& line, int from)
{
    CString rest = line.Mid(from);
    TrimString(&rest);
    return rest;
}

// Description, notes and version lines are taken out in one pass that moves
// every other line down once.
void CGeneticsConfig::TakeHeaderKeys(CStringArray& lines, CDWordArray& numbers)
{
    int kept = 0;
    for (int i = 0; i < lines.GetSize(); i++)
    {
        const CString& line = lines[i];
        if (line.CompareNoCase("desc") == 0 || StartsWithNoCase(line, "desc ", 5))
        {
            if (!m_strDescription.IsEmpty())
                m_strDescription += '\n';
            m_strDescription += TrimmedRest(line, 4);
        }
        else if (StartsWithNoCase(line, "notes", 5))
        {
            if (!StartsWithNoCase(line, "notesjw", 7))
            {
                CString text = TrimmedRest(line, StartsWithNoCase(line, "notesqv", 7) ? 7 : 5);
                if (!m_strNotes.IsEmpty())
                    m_strNotes += '\n';
                m_strNotes += text;
            }
        }
        else if (StartsWithNoCase(line, "version", 7))
        {
            if (m_strVersion.IsEmpty())
                m_strVersion = TrimmedRest(line, 7);
        }
        else
        {
            if (kept != i)
            {
                lines.SetAt(kept, line);
                numbers.SetAt(kept, numbers[i]);
            }
            kept++;
        }
    }
    lines.SetSize(kept);
    numbers.SetSize(kept);
}

// Genes, alleles and rules that all sections together may hold, the copies
// that sections take of their bases included: some hundred megabytes.
static const UINT MAX_CONFIG_ENTRIES = 1000000;

// A line that ends in a backslash continues on the next line (the last line
// of all continues nowhere); the joined line keeps the number of its first
// line. Done in one pass, so that a long run of continued lines is joined in
// time proportional to its length.
static void JoinContinuedLines(CStringArray& lines, CDWordArray& numbers)
{
    const int count = (int)lines.GetSize();
    int kept = 0;
    int i = 0;
    while (i < count)
    {
        const DWORD number = numbers[i];
        CString joined;
        while (i < count - 1 && !lines[i].IsEmpty() && lines[i][lines[i].GetLength() - 1] == '\\')
        {
            joined += CString((LPCTSTR)lines[i], lines[i].GetLength() - 1);
            i++;
        }
        if (joined.IsEmpty())
            joined = lines[i];
        else
            joined += lines[i];
        lines.SetAt(kept, joined);
        numbers.SetAt(kept, number);
        kept++;
        i++;
    }
    lines.SetSize(kept);
    numbers.SetSize(kept);
}

CString CGeneticsConfig::Read(const CStringArray& sourceLines, const CDWordArray& sourceNumbers)
{
    CStringArray lines;
    CDWordArray numbers;
    lines.Copy(sourceLines);
    numbers.Copy(sourceNumbers);
    Clear();

    // A NUL byte would silently end the line for everything that reads it
    // further: the configuration is refused instead, at the line.
    for (int i = 0; i < lines.GetSize(); i++)
    {
        const CString& line = lines[i];
        if ((int)strlen(line) == line.GetLength())
            continue;
        CString error;
        error.Format("%s, NUL character in the line", (LPCTSTR)FormatLineReference((int)numbers[i]));
        return error;
    }
    StripComments(lines, '#', &numbers);
    JoinContinuedLines(lines, numbers);
    TrimStringArray(&lines);
    TakeHeaderKeys(lines, numbers);

    CString error = ReadSections(lines, numbers);
    if (error.IsEmpty())
        error = CheckGotoTargets();
    if (error.IsEmpty())
        error = ReplaceNotesCodes();
    return error;
}

CGeneticsSection* CGeneticsConfig::FindFirstRulesSection() const
{
    for (int i = 0; i < GetSectionCount(); i++)
        if (!GetSection(i)->m_bGenes)
            return GetSection(i);
    return NULL;
}

CString CGeneticsConfig::Read(const CStringArray& lines)
{
    CDWordArray numbers;
    numbers.SetSize(lines.GetSize());
    for (int i = 0; i < numbers.GetSize(); i++)
        numbers[i] = (DWORD)(i + 1);
    return Read(lines, numbers);
}

CString CGeneticsConfig::ReadSections(CStringArray& lines, CDWordArray& numbers)
{
    int header = 0;
    while (header < lines.GetSize() && !ParseSectionHeader(lines[header], NULL, NULL))
        header++;
    if (header >= lines.GetSize())
        return "cannot find gene specification start line";

    UINT held = 0;
    while (header < lines.GetSize())
    {
        CString name;
        BOOL genes = FALSE;
        ParseSectionHeader(lines[header], &name, &genes);
        const CString location = FormatLineReference((int)numbers[header]);
        CString error;
        if (FindSection(name) != NULL)
        {
            error.Format("duplicate section near %s", (LPCTSTR)location);
            return error;
        }
        CStringArray sectionLines;
        CDWordArray sectionNumbers;
        int next = header + 1;
        for (; next < lines.GetSize() && !ParseSectionHeader(lines[next], NULL, NULL); next++)
        {
            sectionLines.Add(lines[next]);
            sectionNumbers.Add(numbers[next]);
        }
        if (sectionLines.GetSize() == 0)
        {
            error.Format("empty section near %s", (LPCTSTR)location);
            return error;
        }
        auto section = std::make_unique<CGeneticsSection>();
        section->m_pConfig = this;
        section->m_strName = name;
        section->m_bGenes = genes;
        error = section->ParseStatements(sectionLines, sectionNumbers);
        if (!error.IsEmpty())
            return error;
        CGeneticsSection* added = section.release();
        m_sections.Add(added);
        // Each section holds a copy of everything that its base holds, so
        // sections based one on another grow with the square of their number:
        // a long enough series would exhaust the memory.
        held += added->GetGeneCount() + added->GetSymbolCount() + (UINT)added->GetRuleCount();
        if (held > MAX_CONFIG_ENTRIES)
        {
            error.Format("the sections hold more than %d genes, alleles and rules together near %s",
                         MAX_CONFIG_ENTRIES, (LPCTSTR)location);
            return error;
        }
        header = next;
    }
    return CString();
}

CString CGeneticsConfig::CheckGotoTargets() const
{
    const CString keyword = CGeneticsSection::GetRuleKeyword(RULE_GOTO);
    CString error;
    for (int s = 0; s < GetSectionCount(); s++)
    {
        const CGeneticsSection* section = GetSection(s);
        for (int rule = 0; rule < section->GetRuleCount(); rule++)
        {
            if (section->m_ruleKinds[rule] != RULE_GOTO || FindSection(section->m_ruleTexts[rule]) != NULL)
                continue;
            error.Format("section '%s' has a '%s' rule referencing an unknown section '%s'",
                         (LPCTSTR)section->m_strName, (LPCTSTR)keyword, (LPCTSTR)section->m_ruleTexts[rule]);
            return error;
        }
    }

    // A section that reaches itself through "goto" rules would send the
    // deduction round without end: such a configuration is refused.
    const int count = GetSectionCount();
    CDWordArray state;  // 0 unvisited, 1 on the current path, 2 done
    state.SetSize(count);
    for (int s = 0; s < count; s++)
        state[s] = 0;
    CDWordArray path, nextRule;
    for (int start = 0; start < count; start++)
    {
        if (state[start] != 0)
            continue;
        path.Add(start);
        nextRule.Add(0);
        state[start] = 1;
        while (path.GetSize() > 0)
        {
            const int top = path.GetSize() - 1;
            const CGeneticsSection* section = GetSection((int)path[top]);
            const int rule = (int)nextRule[top];
            if (rule >= section->GetRuleCount())
            {
                state[path[top]] = 2;
                path.RemoveAt(top);
                nextRule.RemoveAt(top);
                continue;
            }
            nextRule[top] = rule + 1;
            if (section->m_ruleKinds[rule] != RULE_GOTO)
                continue;
            const CGeneticsSection* target = FindSection(section->m_ruleTexts[rule]);
            int t = 0;
            while (GetSection(t) != target)
                t++;
            if (state[t] == 1)
            {
                error.Format("'%s' rules form a cycle through section '%s'", (LPCTSTR)keyword,
                             (LPCTSTR)target->m_strName);
                return error;
            }
            if (state[t] == 0)
            {
                state[t] = 1;
                path.Add(t);
                nextRule.Add(0);
            }
        }
    }
    return error;
}
