#include "output/text/RichTextFontCache.h"

namespace
{
void DeleteFontCache(void* cache)
{
    delete static_cast<CRichTextFontCache*>(cache);
}
} // namespace

CRichTextFontCache::~CRichTextFontCache()
{
    for (int i = 0; i < m_entries.GetSize(); ++i)
    {
        delete m_entries[i].font;
        delete m_entries[i].widths;
    }
}

CRichTextFontCache* CRichTextFontCache::ForDC(CDC* dc)
{
    if (dc->m_pFontCache == NULL)
    {
        CDC::m_pfnDeleteFontCache = DeleteFontCache;
        dc->m_pFontCache = new CRichTextFontCache;
    }
    return static_cast<CRichTextFontCache*>(dc->m_pFontCache);
}

BOOL CRichTextFontCache::Lookup(LPCTSTR form, CFont** font, CCharWidthTable** widths,
                                LOGFONT* logFont, TEXTMETRIC* metrics) const
{
    void* slot = NULL;
    if (!m_index.Lookup(form, slot))
        return FALSE;
    const Entry& entry = m_entries[(int)(INT_PTR)slot - 1];
    *font = entry.font;
    *widths = entry.widths;
    *logFont = entry.logFont;
    *metrics = entry.metrics;
    return TRUE;
}

void CRichTextFontCache::Add(LPCTSTR form, CFont* font, CCharWidthTable* widths,
                             const LOGFONT& logFont, const TEXTMETRIC& metrics)
{
    void* existing = NULL;
    int index = m_forms.Add(form);
    m_entries.Add(Entry{font, widths, logFont, metrics});
    // The first entry of a form wins look-ups.
    if (!m_index.Lookup(form, existing))
        m_index.SetAt(form, (void*)(INT_PTR)(index + 1));
}
