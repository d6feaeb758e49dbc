#include "output/text/RichTextLayout.h"

#include <cctype>
#include <climits>
#include <cstring>
#include <utility>

#include "foundation/text/Collation.h"
#include "foundation/text/LineBreaks.h"
#include "foundation/text/TextEdits.h"
#include "foundation/text/Tokenizer.h"
#include "foundation/values/NumberText.h"
#include "foundation/values/ValueText.h"
#include "foundation/system/WindowsVersionCode.h"
#include "foundation/windows/SelectedObject.h"
#include "output/printing/MyDC.h"
#include "output/text/BracketFields.h"
#include "output/text/RichTextFontCache.h"
#include "output/text/RichTextIndent.h"
#include "output/text/RichTextPicture.h"
#include "output/text/RichTextState.h"
#include "output/text/RichTextTab.h"

CNamedStringMap EmptyStyleMap;

namespace
{
const char* const DefaultStyleName = "Default";
const char* const FallbackStyleText = "Times New Roman,10";
// Characters after which a position no longer counts as inside a word.
const char* const WordSeparators = " ;.:\n\r\t-/?&'`";

// "+", "-", empty (+) or anything else with "+" in front; only "+" and "-"
// act.
bool ReadSign(const CString& argument, int* delta)
{
    CString sign = argument;
    if (sign.IsEmpty() || (sign[0] != '+' && sign[0] != '-'))
        sign = "+" + sign;
    if (sign == "+")
        *delta = 1;
    else if (sign == "-")
        *delta = -1;
    else
        return false;
    return true;
}

// Code arguments: "_" is a blank, 0x01 an underscore and 0x02 a comma.
CString DecodeArgument(const CString& argument)
{
    CString result = argument;
    for (int i = 0; i < result.GetLength(); ++i)
    {
        char c = result[i];
        if (c == '_')
            result.SetAt(i, ' ');
        else if (c == '\x01')
            result.SetAt(i, '_');
        else if (c == '\x02')
            result.SetAt(i, ',');
    }
    return result;
}

char UpperCase(char c)
{
    char text[2] = {c, 0};
    ::CharUpperBuffA(text, 1);
    return text[0];
}

bool IsBlank(char c)
{
    return isspace((unsigned char)c) != 0;
}
} // namespace

void CRichTextLayout::Output::Put(char c, int font, int breakSpacing, CRichTextElement* element)
{
    text += c;
    fonts.push_back(font);
    spacing.push_back(breakSpacing);
    elements.push_back(element);
}

CRichTextLayout::CRichTextLayout() : m_styleMap(&EmptyStyleMap), m_dc(NULL), m_state(NULL)
{
    Reset();
}

CRichTextLayout::~CRichTextLayout() = default;

void CRichTextLayout::Clear()
{
    m_styles.clear();
    m_metrics.clear();
    m_logFonts.clear();
    // The lines refer to the elements: they go first.
    m_lines.clear();
    m_elements.clear();
    // Styles kept by one text are not there for the next.
    m_styleStack.clear();
    m_state = NULL;
}

void CRichTextLayout::Reset()
{
    Clear();
    m_width = m_height = 0;
    m_leftOverhang = m_rightOverhang = 0;
    m_xResolution = m_yResolution = 0;
    m_rotated = FALSE;
}

void CRichTextLayout::Layout(const CNamedStringMap& styles, CDC* dc, int width, int heightLimit,
                             int paragraphSpacing, LPCTSTR text, LPCTSTR defaultStyle, int firstPageHeight,
                             int pageHeight, int flags)
{
    Clear();
    Reset();
    GetDeviceResolution(dc, &m_xResolution, &m_yResolution);
    if (text == NULL || *text == '\0')
        return;

    m_styleMap = &styles;
    m_dc = dc;
    // Fonts are measured on the attribute DC as well when it is another one.
    HDC attribDC = dc->m_hAttribDC != dc->m_hDC ? dc->m_hAttribDC : NULL;
    CRichTextState state(dc->m_hDC, attribDC);
    m_state = &state;
    if (firstPageHeight != -1)
    {
        m_state->m_remainingPageHeight = firstPageHeight < 1 ? 0 : firstPageHeight;
        m_state->m_pageHeight = pageHeight < 1 ? 1 : pageHeight;
    }
    if (!SetBaseStyle(defaultStyle) && !SetBaseStyle(DefaultStyleName))
    {
        // Neither style can be read: lay out in the fallback font rather
        // than in none.
        m_state->m_style.m_base.FromText(FallbackStyleText);
        ComputeFonts();
    }

    CString expanded = ExpandBracketFields(text);
    ConvertCrLfToLf(&expanded, expanded);
    if (flags & RICHTEXT_COMPACT)
        CompactNewlines(&expanded);

    Output output;
    ReadMarkup(expanded, paragraphSpacing, flags, output);

    // Turned text runs along the height: the limits swap.
    m_rotated = (flags & RICHTEXT_ROTATED) != 0 && WindowsVersionCode >= WindowsNT4Code;
    if (m_rotated)
    {
        std::swap(width, heightLimit);
        // An unlimited height gives turned lines any length.
        if (width == -1)
            width = INT_MAX;
    }

    int length = output.text.GetLength();
    int start = 0;
    int spacingBefore = 0;
    for (int i = 0; i <= length; ++i)
    {
        if (i < length && output.text[i] != '\n')
            continue;
        int limit = heightLimit == -1 ? -1 : (heightLimit - m_height < 0 ? 0 : heightLimit - m_height);
        if (i == start && i < length)
        {
            // A blank line: the height of its break's font and its spacing.
            int blank = spacingBefore * m_yResolution / 72 + m_metrics[output.fonts[i]].tmHeight;
            m_height += blank;
            if (m_state->m_remainingPageHeight != -1)
            {
                m_state->m_remainingPageHeight -= blank;
                while (m_state->m_remainingPageHeight < 0)
                    m_state->m_remainingPageHeight += m_state->m_pageHeight;
            }
        }
        else
            LayoutParagraph(output, start, i, spacingBefore, width, limit, flags);
        if (i < length)
            spacingBefore = output.spacing[i];
        start = i + 1;
    }

    m_state = NULL;
    m_dc = NULL;
}

BOOL CRichTextLayout::SetBaseStyle(LPCTSTR nameOrText)
{
    CTextStyle style;
    if (!style.SetFromNameOrText(*m_styleMap, nameOrText))
        return FALSE;
    CRichTextStyleState& state = m_state->m_style;
    state.ClearCounts();
    state.m_base.m_typeface = style.m_typeface;
    state.m_base.m_pointSize = style.m_pointSize;
    state.m_base.m_attributes = style.m_attributes;
    state.m_base.m_colour = style.m_colour;
    ComputeFonts();
    return TRUE;
}

void CRichTextLayout::ComputeFonts()
{
    const CRichTextStyleState& state = m_state->m_style;
    CTextStyle style;
    style.m_typeface = state.m_base.m_typeface;
    style.m_colour = state.m_base.m_colour;
    style.m_attributes = state.m_base.m_attributes;
    if (state.m_bold != 0)
        style.m_attributes |= CTextStyle::Bold;
    if (state.m_italic != 0)
        style.m_attributes |= CTextStyle::Italic;
    if (state.m_underline != 0)
        style.m_attributes |= CTextStyle::Underline;
    if (state.m_smallCaps != 0)
        style.m_attributes |= CTextStyle::SmallCaps;
    if (state.m_allCaps != 0)
        style.m_attributes |= CTextStyle::AllCaps;

    const int size = state.m_sizeAdjustments.Size(state.m_base.m_pointSize);
    style.m_pointSize = size;

    m_state->m_allCaps = (style.m_attributes & CTextStyle::AllCaps) != 0;
    m_state->m_smallCaps = (style.m_attributes & CTextStyle::SmallCaps) != 0;
    style.m_attributes &= ~(CTextStyle::AllCaps | CTextStyle::SmallCaps);
    m_state->m_normalFont = FindOrAddFont(style);
    if (m_state->m_smallCaps)
    {
        int smaller = size * 9 / 10;
        style.m_pointSize = smaller == size ? size - 1 : smaller;
        m_state->m_smallCapsFont = FindOrAddFont(style);
    }
}

int CRichTextLayout::FindOrAddFont(const CTextStyle& style)
{
    CString form = style.ToText();
    void* slot = NULL;
    if (m_state->m_fontIndexes.Lookup(form, slot))
        return (int)(INT_PTR)slot - 1;
    int index = AddFont(form);
    m_state->m_fontIndexes.SetAt(form, (void*)(INT_PTR)(index + 1));
    return index;
}

int CRichTextLayout::AddFont(LPCTSTR form)
{
    int index = (int)m_styles.size();
    m_styles.push_back(std::make_unique<CTextStyle>());
    CTextStyle* style = m_styles.back().get();
    style->FromText(form);

    CRichTextFontCache* cache = CRichTextFontCache::ForDC(m_dc);
    CFont* font = NULL;
    CCharWidthTable* widths = NULL;
    LOGFONT logFont;
    TEXTMETRIC metrics;
    if (!cache->Lookup(form, &font, &widths, &logFont, &metrics))
    {
        auto newFont = std::make_unique<CFont>();
        style->CreateFont(m_dc, &logFont, newFont.get(), &metrics, 1.0);
        auto newWidths = std::make_unique<CCharWidthTable>();
        {
            CSelectedObject selected(m_dc->m_hDC, newFont->GetSafeHandle());
            newWidths->Fill(metrics, m_dc);
        }
        font = newFont.get();
        widths = newWidths.get();
        cache->Add(form, std::move(newFont), std::move(newWidths), logFont, metrics);
    }
    m_state->m_fonts.push_back(font);
    m_state->m_widths.push_back(widths);
    m_logFonts.push_back(logFont);
    m_metrics.push_back(metrics);
    return index;
}

void CRichTextLayout::ReadMarkup(const CString& text, int paragraphSpacing, int flags, Output& output)
{
    int hidden = 0;
    BOOL afterBackslash = FALSE;
    BOOL inWord = FALSE;
    int length = text.GetLength();
    for (int i = 0; i < length; ++i)
    {
        char c = text[i];
        if (c != '{')
        {
            afterBackslash = FALSE;
            if (hidden != 0)
                continue;
            if (c == '\r' || c == '\n')
            {
                if ((flags & RICHTEXT_COMPACT) && output.text.IsEmpty())
                    continue;
                output.Put('\n', BreakFont(inWord), c == '\n' ? paragraphSpacing : 0, NULL);
                inWord = FALSE;
                continue;
            }
            char shown = (m_state->m_allCaps || m_state->m_smallCaps) ? UpperCase(c) : c;
            int font = m_state->m_smallCaps && IsLowerCaseChar((unsigned char)c) ? m_state->m_smallCapsFont
                                                                                 : m_state->m_normalFont;
            output.Put(shown, font, 0, NULL);
            inWord = strchr(WordSeparators, shown) == NULL;
            afterBackslash = shown == '\\';
            continue;
        }
        if (afterBackslash)
        {
            // "\{" is a literal brace.
            afterBackslash = FALSE;
            if (hidden == 0)
                output.text.SetAt(output.text.GetLength() - 1, '{');
            continue;
        }
        int close = text.Find('}', i + 1);
        if (close < 0)
            break;
        if (close == i + 1)
        {
            i = close;
            continue;
        }
        char code = text[i + 1];
        CString argument = DecodeArgument(text.Mid(i + 2, close - i - 2));
        i = close;
        if (code == 'H')
        {
            int delta = 0;
            if (ReadSign(argument, &delta))
                hidden += delta;
            continue;
        }
        if (hidden != 0)
            continue;
        ApplyCode(code, argument, output, &inWord);
    }
}

int CRichTextLayout::BreakFont(BOOL inWord) const
{
    return m_state->m_smallCaps && inWord ? m_state->m_smallCapsFont : m_state->m_normalFont;
}

BOOL CRichTextLayout::ApplyCode(char code, const CString& argument, Output& output, BOOL* inWord)
{
    switch (code)
    {
    case 'b':
    case 'i':
    case 'u':
    case 's':
    case 'c':
        return ApplySwitchCode(code, argument);
    case 'k':
        return ApplyKeepCode(argument);
    case 'f':
        SetBaseStyle(argument);
        *inWord = FALSE;
        return TRUE;
    case 'r':
        ApplyColourCode(argument);
        return TRUE;
    case 'h':
        return ApplySizeCode(argument);
    case 'T':
        return ApplyTabStopsCode(argument, inWord);
    default:
        return ApplyInsertionCode(code, argument, output, inWord);
    }
}

BOOL CRichTextLayout::ApplySwitchCode(char code, const CString& argument)
{
    int delta = 0;
    if (!ReadSign(argument, &delta))
        return FALSE;
    CRichTextStyleState& state = m_state->m_style;
    int& count = code == 'b'   ? state.m_bold
                 : code == 'i' ? state.m_italic
                 : code == 'u' ? state.m_underline
                 : code == 's' ? state.m_smallCaps
                               : state.m_allCaps;
    count += delta;
    ComputeFonts();
    return TRUE;
}

BOOL CRichTextLayout::ApplyKeepCode(const CString& argument)
{
    int delta = 0;
    if (!ReadSign(argument, &delta))
        return FALSE;
    CRichTextStyleState& state = m_state->m_style;
    if (delta > 0)
    {
        m_styleStack.push_back(std::make_unique<CRichTextStyleState>());
        m_styleStack.back()->CopyFrom(state);
    }
    else if (!m_styleStack.empty())
    {
        state.CopyFrom(*m_styleStack.back());
        m_styleStack.pop_back();
    }
    ComputeFonts();
    return TRUE;
}

void CRichTextLayout::ApplyColourCode(const CString& argument)
{
    COLORREF colour = DEFAULT_COLOUR;
    if (!ParseColour(argument, &colour))
        colour = DEFAULT_COLOUR;
    m_state->m_style.m_base.m_colour = colour;
    ComputeFonts();
}

BOOL CRichTextLayout::ApplySizeCode(const CString& argument)
{
    CRichTextStyleState& state = m_state->m_style;
    CString text = argument.IsEmpty() ? CString("+1") : argument;
    if (text[0] != '+' && text[0] != '-')
        return FALSE;
    bool percent = false;
    CString digits;
    for (int i = 1; i < text.GetLength(); ++i)
        if (text[i] == '%')
            percent = true;
        else if (text[i] >= '0' && text[i] <= '9')
            digits += text[i];
    if (digits.IsEmpty())
    {
        // A sign alone: "-" drops the adjustment made last.
        if (text[0] == '-')
            state.m_sizeAdjustments.Pop();
        ComputeFonts();
        return TRUE;
    }
    int number = 0;
    if (digits.GetLength() > 3 || !ParseInt(digits, &number) || number < 1 || number > 254)
        return FALSE;
    if (text[0] == '-')
        number = -number;
    if (percent)
        number *= 256;
    state.m_sizeAdjustments.Push(number, state.m_base.m_pointSize);
    ComputeFonts();
    return TRUE;
}

BOOL CRichTextLayout::ApplyTabStopsCode(const CString& argument, BOOL* inWord)
{
    CStringArray parts;
    TokenizeText(argument, parts, ',', TOKENIZE_TRIM, -1, '(', ')');
    std::vector<int> positions;
    int number = 0;
    if (parts.GetSize() >= 2)
        for (int i = 0; i < parts.GetSize(); ++i)
        {
            if (!ParseInt(parts[i], &number) || number < 1 || (!positions.empty() && number <= positions.back()))
                break;
            positions.push_back(number);
        }
    m_state->m_tabPositions = positions;
    if (positions.empty() && ParseInt(argument, &number) && number >= 1)
    {
        m_state->m_tabInterval = number;
        *inWord = FALSE;
    }
    return TRUE;
}

BOOL CRichTextLayout::ApplyInsertionCode(char code, const CString& argument, Output& output, BOOL* inWord)
{
    int number = 0;
    std::unique_ptr<CRichTextElement> element;
    switch (code)
    {
    case 'L':
        if (!ParseInt(argument, &number) || number < 0)
            return FALSE;
        element = std::make_unique<CRichTextIndent>(number);
        break;
    case 't':
        element = std::make_unique<CRichTextTab>();
        break;
    case 'v':
        if (!ParseInt(argument, &number) || number < 0)
            return FALSE;
        break;
    case 'p':
    {
        auto picture = std::make_unique<CRichTextPicture>();
        if (!picture->Setup(argument, m_xResolution, m_yResolution))
            return FALSE;
        element = std::move(picture);
        break;
    }
    default:
        return FALSE;
    }
    if (element != nullptr)
    {
        m_elements.push_back(std::move(element));
        output.Put('!', BreakFont(*inWord), 0, m_elements.back().get());
    }
    else
        output.Put('\n', BreakFont(*inWord), number, NULL);
    *inWord = FALSE;
    return TRUE;
}

int CRichTextLayout::TabWidth(int x, int font)
{
    int average = m_metrics[font].tmAveCharWidth;
    if (m_state->m_tabPositions.empty())
    {
        int step = average * m_state->m_tabInterval;
        if (step < 1)
            step = 1;
        return (x / step + 1) * step - x;
    }
    for (int position : m_state->m_tabPositions)
        if (position * average > x)
            return position * average - x;
    return 1;
}

int CRichTextLayout::MeasureChars(const Output& output, int start, int end, CRichTextLine* line)
{
    int i = start;
    while (i < end)
    {
        CRichTextElement* element = output.elements[i];
        if (element != NULL)
        {
            if (CRichTextIndent* indent = dynamic_cast<CRichTextIndent*>(element))
                m_state->m_indentation = indent->m_characters;
            else if (dynamic_cast<CRichTextTab*>(element) != NULL)
                element->m_width = TabWidth(line->GetExtent(), output.fonts[i]);
            else if (CRichTextPicture* picture = dynamic_cast<CRichTextPicture*>(element))
                SizePicture(picture, line, output.fonts[i]);
            line->AddElement(element);
            ++i;
            continue;
        }
        int font = output.fonts[i];
        int j = i + 1;
        while (j < end && output.elements[j] == NULL && output.fonts[j] == font)
            ++j;
        auto run = std::make_unique<CRichTextRun>();
        run->m_text = DecodeArgument(output.text.Mid(i, j - i));
        run->m_fontIndex = font;
        run->m_ascent = m_metrics[font].tmAscent;
        run->m_descent = m_metrics[font].tmDescent;
        m_state->SelectFont(font, m_state->m_fonts[font]->GetSafeHandle());
        SIZE extent = {0, 0};
        ::GetTextExtentPoint32A(m_dc->m_hAttribDC != NULL ? m_dc->m_hAttribDC : m_dc->m_hDC, run->m_text,
                                run->m_text.GetLength(), &extent);
        run->m_width = extent.cx;
        MeasureOverhangs(*run);
        line->AddRun(std::move(run));
        i = j;
    }
    return line->GetItemCount();
}

void CRichTextLayout::SizePicture(CRichTextPicture* picture, const CRichTextLine* line, int font)
{
    // Open sizes come from the room left: the rest of the line, and the
    // height limit less what the paragraph used.
    int roomWidth = m_widthLimit - line->GetExtent();
    int roomHeight = m_heightLimit == -1 ? -1 : m_heightLimit - (line->m_top - m_paragraphTop);
    if (roomWidth < 1)
        roomWidth = 1;
    double width = 0, height = 0;
    BOOL proportional = picture->GetProportions(&width, &height);
    int& w = picture->m_width;
    int& h = picture->m_height;
    if (proportional && w == -1 && h == -1)
    {
        w = roomWidth;
        h = (int)(roomWidth * height * m_yResolution / (width * m_xResolution) + 0.5);
        if (roomHeight > 0 && h > roomHeight)
        {
            h = roomHeight;
            w = (int)(roomHeight * width * m_xResolution / (height * m_yResolution) + 0.5);
        }
    }
    else if (proportional && w == -1)
        w = (int)(h * width * m_xResolution / (height * m_yResolution) + 0.5);
    else if (proportional && h == -1)
        h = (int)(w * height * m_yResolution / (width * m_xResolution) + 0.5);
    if (w == -1)
        w = roomWidth;
    if (h == -1)
        h = roomHeight > 0 ? roomHeight : m_metrics[font].tmHeight;
}

void CRichTextLayout::MeasureOverhangs(CRichTextRun& run) const
{
    if (m_metrics[run.m_fontIndex].tmPitchAndFamily & TMPF_TRUETYPE)
        m_state->m_widths[run.m_fontIndex]->GetOverhangs(run.m_text, run.m_text.GetLength(), &run.m_leftOverhang,
                                                         &run.m_rightOverhang);
}

void CRichTextLayout::MergeRuns(CRichTextLine& line) const
{
    // Neighbouring runs of one font become one run.
    for (RichTextItem& item : line.TakeItems())
    {
        CRichTextRun* last = line.GetLastRun();
        if (item.run == nullptr)
            line.AddElement(item.element);
        else if (last != nullptr && last->m_fontIndex == item.run->m_fontIndex)
        {
            last->m_text += item.run->m_text;
            last->m_width += item.run->m_width;
            MeasureOverhangs(*last);
        }
        else
            line.AddRun(std::move(item.run));
    }
}

void CRichTextLayout::CloseLine(std::unique_ptr<CRichTextLine> line)
{
    MergeRuns(*line);
    line->Finish();
    int height = line->m_bottom - line->m_top;
    int& remaining = m_state->m_remainingPageHeight;
    if (remaining != -1)
    {
        while (remaining < 0)
            remaining += m_state->m_pageHeight;
        if (remaining < height && remaining != m_state->m_pageHeight)
        {
            line->m_top += remaining;
            line->m_bottom += remaining;
            remaining = m_state->m_pageHeight;
        }
        remaining -= height;
    }
    int left = 0, right = 0;
    line->GetOverhangs(&left, &right);
    if (left > m_leftOverhang)
        m_leftOverhang = left;
    if (right > m_rightOverhang)
        m_rightOverhang = right;
    int extent = left + line->GetExtent() + right;
    if (extent > m_width)
        m_width = extent;
    m_height = line->m_bottom;
    m_lines.push_back(std::move(line));
}

void CRichTextLayout::LayoutParagraph(const Output& output, int start, int end, int spacingPoints, int width,
                                      int heightLimit, int flags)
{
    int spacing = spacingPoints * m_yResolution / 72;
    if (m_state->m_remainingPageHeight != -1)
    {
        m_state->m_remainingPageHeight -= spacing;
        while (m_state->m_remainingPageHeight < 1)
            m_state->m_remainingPageHeight += m_state->m_pageHeight;
    }
    int paragraphTop = m_height + spacing;
    m_paragraphTop = paragraphTop;
    m_widthLimit = width;
    m_heightLimit = heightLimit;
    int average = m_metrics[start < end ? output.fonts[start] : m_state->m_normalFont].tmAveCharWidth;
    auto line = std::make_unique<CRichTextLine>();
    line->m_top = paragraphTop;
    line->m_startX = m_state->m_indentation * average;

    int i = start;
    while (i < end)
    {
        // The next token: one element, a run of blanks or a run of other
        // characters.
        int j = i + 1;
        if (output.elements[i] == NULL)
        {
            bool blank = IsBlank(output.text[i]);
            while (j < end && output.elements[j] == NULL && IsBlank(output.text[j]) == blank)
                ++j;
        }
        int before = line->GetItemCount();
        MeasureChars(output, i, j, line.get());
        if (before > 0 && (output.elements[i] != NULL || !IsBlank(output.text[i])))
        {
            int left = 0, right = 0;
            line->GetOverhangs(&left, &right);
            bool tooWide = left + line->GetExtent() + right > width;
            bool anotherFits = true;
            if (flags & RICHTEXT_SINGLE_FILL)
            {
                int lineHeight = 0;
                for (int k = 0; k < line->GetItemCount(); ++k)
                {
                    const RichTextItem& item = line->GetItem(k);
                    int h = item.run != NULL ? item.run->m_ascent + item.run->m_descent : item.element->m_height;
                    if (h > lineHeight)
                        lineHeight = h;
                }
                int used = line->m_top - paragraphTop;
                anotherFits = heightLimit != -1 && lineHeight <= (heightLimit - used) - lineHeight;
            }
            if (tooWide && anotherFits)
            {
                line->TruncateItems(before);
                CloseLine(std::move(line));
                line = std::make_unique<CRichTextLine>();
                line->m_top = m_lines.back()->m_bottom;
                line->m_startX = m_state->m_indentation * average;
                MeasureChars(output, i, j, line.get());
            }
        }
        i = j;
    }
    CloseLine(std::move(line));
}
