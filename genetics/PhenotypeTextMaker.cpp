#include "genetics/PhenotypeTextMaker.h"

#include "foundation/terminology/TokenExpander.h"
#include "genetics/GeneticsSection.h"

CPhenotypeTextMaker::CPhenotypeTextMaker() : m_strPlus(" + "), m_strBlank(" ")
{
    ExpandTokens(" ~carrying~ ", m_strCarrying);
    ExpandTokens("~carries~ ", m_strCarries);
}

void CPhenotypeTextMaker::Join(const CStringArray& parts, const CString& separator)
{
    m_work.clear();
    for (int i = 0; i < parts.GetSize(); i++)
    {
        if (i > 0)
            m_work.append((LPCTSTR)separator, (size_t)separator.GetLength());
        m_work.append((LPCTSTR)parts[i], (size_t)parts[i].GetLength());
    }
}

const CString& CPhenotypeTextMaker::Keep()
{
    const auto found = m_kept.find(std::string_view(m_work));
    if (found != m_kept.end())
        return found->second;
    const CString text(m_work.data(), (int)m_work.size());
    return m_kept.emplace(std::string_view(text.GetString(), m_work.size()), text).first->second;
}

void CPhenotypeTextMaker::Deduce(CGeneticsSection* section, const CGenotype& genotype, CPhenotypeTexts& texts)
{
    m_words.RemoveAll();
    m_traits.RemoveAll();
    section->CollectPhenotypeWords(genotype, m_words, &texts.m_strRulesSectionName);
    section->CollectCarriedTraits(genotype, m_traits);

    Join(m_words, m_strBlank);
    texts.m_strPhenotype = Keep();
    Join(m_traits, m_strPlus);
    texts.m_strCarriedTraits = Keep();
    if (texts.m_strCarriedTraits.IsEmpty())
    {
        texts.m_strPhenotypeWithCarriedTraits = texts.m_strPhenotype;
        return;
    }
    // CombinePhenotypeTexts, written into the work buffer.
    m_work.clear();
    if (texts.m_strPhenotype.IsEmpty())
        m_work.append((LPCTSTR)m_strCarries, (size_t)m_strCarries.GetLength());
    else
    {
        m_work.append((LPCTSTR)texts.m_strPhenotype, (size_t)texts.m_strPhenotype.GetLength());
        m_work.append((LPCTSTR)m_strCarrying, (size_t)m_strCarrying.GetLength());
    }
    m_work.append((LPCTSTR)texts.m_strCarriedTraits, (size_t)texts.m_strCarriedTraits.GetLength());
    texts.m_strPhenotypeWithCarriedTraits = Keep();
}
