#pragma once
// The fonts that rich text has made for one device context, by style text
// form. The cache lives as long as its device context; layouts borrow from it.
#include <memory>
#include <vector>

#include "afx/app/AfxWin.h"
#include "output/text/CharWidthTable.h"

class CRichTextFontCache
{
public:
    CRichTextFontCache() {}
    CRichTextFontCache(const CRichTextFontCache&) = delete;
    CRichTextFontCache& operator=(const CRichTextFontCache&) = delete;

    // The cache of the DC, made on first use.
    static CRichTextFontCache* ForDC(CDC* dc);

    BOOL Lookup(LPCTSTR form, CFont** font, CCharWidthTable** widths, LOGFONT* logFont,
                TEXTMETRIC* metrics) const;
    void Add(LPCTSTR form, std::unique_ptr<CFont> font, std::unique_ptr<CCharWidthTable> widths,
             const LOGFONT& logFont, const TEXTMETRIC& metrics);
    int GetCount() const { return m_forms.GetSize(); }

private:
    struct Entry
    {
        std::unique_ptr<CFont> font;
        std::unique_ptr<CCharWidthTable> widths;
        LOGFONT logFont;
        TEXTMETRIC metrics;
    };
    CStringArray m_forms;
    std::vector<Entry> m_entries;
    // Text form -> index + 1, so a look-up need not walk the forms.
    CMapStringToPtr m_index;
};
