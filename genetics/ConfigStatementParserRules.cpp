// Passes of the statement parser that read rules and selection elements.
#include "genetics/ConfigStatementParser.h"

#include "foundation/containers/MyCmdTarget.h"
#include "foundation/text/StringLists.h"
#include "foundation/text/Tokenizer.h"
#include "foundation/text/Trim.h"
#include "genetics/ExpandTerms.h"
#include "genetics/GeneticsExprNode.h"
#include "genetics/GeneticsSection.h"
#include "genetics/SelectionElementCreator.h"

#include <memory>

CString CConfigStatementParser::ReadRules()
{
    for (int i = 0; i < GetCount(); i++)
    {
        const CStringArray& words = Words(i);
        for (int w = 0; w < words.GetSize(); w++)
        {
            const UINT kind = CGeneticsSection::FindRuleKind(words[w]);
            if (kind == RULE_NONE)
                continue;
            CString error = ReadRule(i, w, kind);
            if (!error.IsEmpty())
                return error;
            RemoveStatement(i);
            break;
        }
    }
    return CString();
}

static BOOL IsAssumedKind(UINT kind)
{
    return kind == RULE_ASSUMED || kind == RULE_ASSUMED_IF_FEMALE || kind == RULE_ASSUMED_IF_MALE;
}

CString CConfigStatementParser::ReadRule(int statement, int keywordIndex, UINT kind)
{
    const CStringArray& words = Words(statement);
    // (A last index below 0 would mean the whole list.)
    const CString condition = keywordIndex > 0 ? JoinStrings(words, " ", 0, keywordIndex - 1) : CString();
    CString argument = JoinStrings(words, " ", keywordIndex + 1, -1);
    const CString keyword = CGeneticsSection::GetRuleKeyword(kind);

    if (kind == RULE_LETHAL && !m_section.m_bGenes)
        return Error(statement, "'%s' rule may only be given for a genes section, not a rules section",
                     (LPCTSTR)keyword);
    if ((kind == RULE_SAY || kind == RULE_CARRIES) && m_section.m_bGenes)
        return Error(statement, "'%s' rule may only be given for a rules section, not a genes section",
                     (LPCTSTR)keyword);

    const int sex = kind == RULE_ASSUMED_IF_FEMALE ? SEX_FEMALE : kind == RULE_ASSUMED_IF_MALE ? SEX_MALE : SEX_EITHER;
    std::unique_ptr<CExprNode> tree;
    std::unique_ptr<CGenotype> genotype;
    if (condition.CompareNoCase("always") != 0)
    {
        if (condition.IsEmpty())
            return Error(statement, "missing expression for '%s' line", (LPCTSTR)keyword);
        CString error;
        if (IsAssumedKind(kind))
        {
            genotype = std::make_unique<CGenotype>();
            error = genotype->Parse(&m_section, condition, sex, 0);
        }
        else
        {
            CGeneticsExprContext context = {&m_section, SEX_EITHER, PARSE_ALLOW_ANY | PARSE_ALLOW_RANGES};
            error = ParseExpression(condition, tree, &context, &CGeneticsExprNode::Create, '(', ')');
        }
        if (!error.IsEmpty())
            return Error(statement, "invalid expression '%s' on '%s' line - %s", (LPCTSTR)condition,
                         (LPCTSTR)keyword, (LPCTSTR)error);
    }

    TrimString(&argument);
    if (kind == RULE_SAY || kind == RULE_CARRIES)
        argument = ExpandTerms(argument);
    CString error;
    if ((kind == RULE_MEANS || kind == RULE_SAY || kind == RULE_CARRIES || kind == RULE_GOTO) && argument.IsEmpty())
        error = Error(statement, "'%s' rule requires text argument", (LPCTSTR)keyword);
    if (kind == RULE_MASKS)
    {
        CStringArray genes;
        TokenizeText(argument, genes, ' ', TOKENIZE_TRIM, -1, '(', ')');
        BOOL valid = genes.GetSize() > 0;
        for (int g = 0; g < genes.GetSize() && valid; g++)
            valid = m_section.FindGene(genes[g]) != 0;
        if (!valid)
            error = Error(statement, "'%s' rule requires names of one or more valid genes", (LPCTSTR)keyword);
    }
    if (!error.IsEmpty())
        return error;
    const BOOL keepsText = kind == RULE_MEANS || kind == RULE_SAY || kind == RULE_CARRIES || kind == RULE_MASKS ||
                           kind == RULE_GOTO;
    m_section.AddRule(kind, tree.release(), genotype.release(), keepsText ? argument : CString());
    return CString();
}

CString CConfigStatementParser::ReadSelectionElements()
{
    for (int i = 0; i < GetCount(); i++)
    {
        if (!KeywordIs(i, "selectgenotype"))
            continue;
        if (WordCount(i) < 2)
            return Error(i, "insufficient arguments for 'selectgenotype' line");
        SelectionElementCreator create = GetSelectionElementCreator();
        if (create == NULL)
        {
            RemoveStatement(i--);
            continue;
        }
        CStringArray options;
        options.Copy(Words(i));
        options.RemoveAt(0, 2);
        CString error;
        std::unique_ptr<CMyCmdTarget> element(create(Words(i)[1], &m_section, options, error));
        if (element == NULL && error.IsEmpty())
            return Error(i, "unknown element type '%s' for 'selectgenotype' line", (LPCTSTR)Words(i)[1]);
        if (error.IsEmpty() && options.GetSize() > 0)
            error.Format("unknown option(s): '%s'", (LPCTSTR)options[0]);
        if (!error.IsEmpty())
            return Error(i, "error in 'selectgenotype' line: %s", (LPCTSTR)error);
        m_section.m_selectionElements.Add(element.release());
        RemoveStatement(i);
    }
    return CString();
}
