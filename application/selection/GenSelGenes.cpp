#include "application/selection/GenSelGenes.h"

#include "foundation/text/Tokenizer.h"
#include "genetics/ExpandTerms.h"
#include "genetics/GeneticsSection.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CGenSelGenes, CGenSelLabelItem)

static const DWORD STYLE_RADIO_BOX = 0x800;

CGenSelGenes::CGenSelGenes()
    : m_bAssumedChoice(0), m_bShowGenotypes(0), m_nDefaultChoice(-1), m_nAssumedChoice(-1), m_bCheckBox(0),
      m_bRadio(0), m_bList(0), m_bOtherValue(0), m_bSinglePolygene(0), m_nSex(SEX_EITHER), m_nShownItem(-1),
      m_bShowsPairs(FALSE)
{
}

CMyCmdTarget* CGenSelGenes::Clone() const
{
    CGenSelGenes* copy = new CGenSelGenes;
    copy->CopyLabelItem(*this);
    copy->m_bAssumedChoice = m_bAssumedChoice;
    copy->m_bShowGenotypes = m_bShowGenotypes;
    copy->m_choices = m_choices;
    copy->m_choiceNames.Copy(m_choiceNames);
    copy->m_nDefaultChoice = m_nDefaultChoice;
    copy->m_nAssumedChoice = m_nAssumedChoice;
    copy->m_bCheckBox = m_bCheckBox;
    copy->m_bRadio = m_bRadio;
    copy->m_bList = m_bList;
    copy->m_bOtherValue = m_bOtherValue;
    copy->m_strOtherHelp = m_strOtherHelp;
    copy->m_coveredGenes.Copy(m_coveredGenes);
    copy->m_bSinglePolygene = m_bSinglePolygene;
    copy->m_ownGenotype.Copy(m_ownGenotype);
    copy->m_nSex = m_nSex;
    copy->m_sexAlternatives = m_sexAlternatives;
    copy->m_offeredChoices = m_offeredChoices;
    copy->m_choiceOffered = m_choiceOffered;
    copy->m_shownPairs.Copy(m_shownPairs);
    copy->m_nShownItem = m_nShownItem;
    copy->m_bShowsPairs = m_bShowsPairs;
    return copy;
}

CString CGenSelGenes::ReadChoices(CGeneticsSection* section, const CString& value)
{
    CString error;
    CStringArray pieces;
    TokenizeText(value, pieces, '|', TOKENIZE_TRIM, -1, '(', ')');
    for (int i = 0; i < pieces.GetSize(); i++)
    {
        CString name, alleles;
        SplitOption(pieces[i], ':', name, alleles);
        name = ExpandTerms(name);
        if (!name.IsEmpty() && name[name.GetLength() - 1] == '*')
        {
            if (m_nDefaultChoice >= 0)
                return "default choice multiply defined";
            name = name.Left(name.GetLength() - 1);
            m_nDefaultChoice = (int)m_choices.size();
        }
        for (int j = 0; j < m_choiceNames.GetSize() && !name.IsEmpty(); j++)
        {
            if (m_choiceNames[j].CompareNoCase(name) == 0)
            {
                error.Format("duplicate choice '%s' seen", (LPCTSTR)name);
                return error;
            }
        }
        CStringArray texts;
        TokenizeText(alleles, texts, ';', TOKENIZE_TRIM, -1, '(', ')');
        if (texts.GetSize() == 0)
        {
            error.Format("missing alleles for choice #%d", i + 1);
            return error;
        }
        CGenSelChoice choice(texts.GetSize());
        for (int t = 0; t < texts.GetSize(); t++)
        {
            error = choice[t].Parse(section, texts[t], SEX_EITHER, 0);
            if (!error.IsEmpty())
                return error;
        }
        m_choices.push_back(choice);
        m_choiceNames.Add(name);
    }
    return error;
}

void CGenSelGenes::ParseOptions(CString& error, CGeneticsSection* section, CStringArray& options)
{
    CGenSelLabelItem::ParseOptions(error, section, options);
    if (!error.IsEmpty())
        return;
    const BOOL read = TakeOptions(options, [&](const CString& key, const CString& value) {
        if (key.CompareNoCase("choices") == 0)
        {
            error = ReadChoices(section, value);
            return error.IsEmpty() ? OPTION_TAKEN : OPTION_FAILED;
        }
        if (key.CompareNoCase("otherhelp") != 0)
            return OPTION_LEFT;
        m_strOtherHelp = ExpandTerms(value);
        return OPTION_TAKEN;
    });
    if (read)
        error = ApplyGenesFlags(section);
}

CString CGenSelGenes::ApplyGenesFlags(CGeneticsSection* section)
{
    const int count = (int)m_choices.size();
    if (count < 2)
        return "at least 2 choices are required";
    m_bList = 1;
    if (count == 2)
    {
        m_bList = 0;
        const BOOL named = !m_choiceNames[0].IsEmpty() || !m_choiceNames[1].IsEmpty();
        m_bRadio = named;
        m_bCheckBox = !named;
    }

    BOOL sort = FALSE;
    CString leftovers;
    for (int i = 0; i < m_strLeftoverFlags.GetLength(); i++)
    {
        const char letter = m_strLeftoverFlags[i];
        switch (letter)
        {
        case 'R':
            m_nStyle |= STYLE_RADIO_BOX;
            // fall through
        case 'r':
            m_bRadio = 1;
            m_bList = m_bCheckBox = 0;
            break;
        case 'l':
            m_bList = 1;
            m_bRadio = m_bCheckBox = 0;
            break;
        case 'g': m_bShowGenotypes = 1; break;
        case 'o': m_bOtherValue = 1; break;
        case 's': sort = TRUE; break;
        case 'u': m_bAssumedChoice = 1; break;
        default: leftovers += letter; break;
        }
    }
    m_strLeftoverFlags = leftovers;

    if (m_bAssumedChoice)
    {
        for (int i = 0; i < m_choiceNames.GetSize(); i++)
        {
            if (m_choiceNames[i].CompareNoCase("assumed") == 0)
                return "when 'u' flag given, you may not explicitly add an 'assumed' choice";
        }
    }
    if (m_bShowGenotypes)
    {
        CGeneticsSection* genes = section->GetGenesSection();
        const UINT mode = FORMAT_NO_GENE_NAME | FORMAT_NO_RANGE_SYMBOLS | (HasSexFlags() ? 0 : FORMAT_SHOW_NONE);
        for (int i = 0; i < count; i++)
            m_choiceNames[i] += " (" + m_choices[i][0].Format(genes, mode) + ")";
    }
    if (sort && !m_bCheckBox)
        SortChoices();
    const CGenSelChoice empty(1);
    if (m_bAssumedChoice)
    {
        if (m_bList)
        {
            m_choices.insert(m_choices.begin(), empty);
            m_choiceNames.InsertAt(0, "Assumed");
            m_nAssumedChoice = 0;
            if (m_nDefaultChoice >= 0)
                m_nDefaultChoice++;
        }
        else
        {
            m_choices.push_back(empty);
            m_choiceNames.Add("Assumed");
            m_nAssumedChoice = (int)m_choices.size() - 1;
        }
    }
    // The list's last item is the one that opens the typed other value.
    if (HasOtherValue())
    {
        m_choices.push_back(empty);
        m_choiceNames.Add("Other Value:");
    }
    return CString();
}

void CGenSelGenes::SortChoices()
{
    std::vector<int> order(m_choices.size());
    for (size_t i = 0; i < order.size(); i++)
        order[i] = (int)i;
    std::stable_sort(order.begin(), order.end(),
                     [this](int a, int b) { return m_choiceNames[a].CompareNoCase(m_choiceNames[b]) < 0; });
    std::vector<CGenSelChoice> choices;
    CStringArray names;
    int defaultChoice = -1;
    for (size_t i = 0; i < order.size(); i++)
    {
        choices.push_back(m_choices[order[i]]);
        names.Add(m_choiceNames[order[i]]);
        if (order[i] == m_nDefaultChoice)
            defaultChoice = (int)i;
    }
    m_choices.swap(choices);
    m_choiceNames.Copy(names);
    m_nDefaultChoice = defaultChoice;
}
