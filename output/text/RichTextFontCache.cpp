#include "output/text/RichTextFontCache.h"

namespace
{
void DeleteFontCache(void* cache)
{
    delete static_cast<CRichTextFontCache*>(cache);
}
} // namespace

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
    *font = entry.font.get();
    *widths = entry.widths.get();
    *logFont = entry.logFont;
    *metrics = entry.metrics;
    return TRUE;
}

void CRichTextFontCache::Add(LPCTSTR form, std::unique_ptr<CFont> font, std::unique_ptr<CCharWidthTable> widths,
                             const LOGFONT& logFont, const TEXTMETRIC& metrics)
{
    void* existing = NULL;
    m_entries.push_back(Entry{std::move(font), std::move(widths), logFont, metrics});
    int index = m_forms.Add(form);
    // The first entry of a form wins look-ups.
    if (!m_index.Lookup(form, existing))
        m_index.SetAt(form, (void*)(INT_PTR)(index + 1));
}
