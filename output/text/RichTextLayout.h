#pragma once
// Formatted text ("{b+}bold{b-}", fonts, sizes, colours, hidden runs, tabs,
// indentation) laid out into lines for one device context, and painted into
// any rectangle.
#include <memory>
#include <vector>

#include "afx/app/AfxWin.h"
#include "foundation/terminology/NamedStringMap.h"
#include "output/text/RichTextElement.h"
#include "output/text/RichTextLine.h"
#include "output/text/RichTextStyleState.h"
#include "output/text/TextPathRecord.h"

class CRichTextPicture;
class CRichTextState;

// Layout flags.
enum RichTextLayoutFlags
{
    RICHTEXT_COMPACT = 1,      // drop leading line breaks, compact blank lines
    RICHTEXT_ROTATED = 2,      // text at 90 degrees
    RICHTEXT_SINGLE_FILL = 4   // break only while another line still fits
};

// Paint flags.
enum RichTextPaintFlags
{
    RICHTEXT_ELLIPSIS_LAST = 2,    // the last painted line ends with "..."
    RICHTEXT_ELLIPSIS_CLIPPED = 4, // ... when it runs past the clip rectangle
    RICHTEXT_ELLIPSIS_NOW = 8      // (per line) this line ends with "..."
};

// The style map of callers that have no styles of their own.
extern CNamedStringMap EmptyStyleMap;

class CRichTextLayout : public CObject
{
public:
    CRichTextLayout();
    ~CRichTextLayout() override;
    CRichTextLayout(const CRichTextLayout&) = delete;
    CRichTextLayout& operator=(const CRichTextLayout&) = delete;

    // Lays out the text for the DC within 'width' (device units); a height
    // limit of -1 is unlimited; paragraph spacing in points; the default
    // style is a name or a text form; a first-page height other than -1
    // switches page accounting on.
    void Layout(const CNamedStringMap& styles, CDC* dc, int width, int heightLimit, int paragraphSpacing,
                LPCTSTR text, LPCTSTR defaultStyle, int firstPageHeight, int pageHeight, int flags);
    // Paints the first 'lineCount' lines (-1 all) scaled into the destination
    // (turned by 90 degrees within it when the layout is rotated). With a
    // path list, each run is drawn as a path of its own, which the list
    // receives with the run's colour.
    void Paint(CDC* dc, const RECT& destination, const RECT& clip, CTextPathList* paths, int flags, int lineCount);
    void Paint(CDC* dc, const RECT& destination, const RECT& clip, int flags, int lineCount)
    {
        Paint(dc, destination, clip, NULL, flags, lineCount);
    }

    void Reset();
    void Clear();

    int GetLineCount() const { return (int)m_lines.size(); }
    const CRichTextLine& GetLine(int index) const { return *m_lines[index]; }

    std::vector<std::unique_ptr<CRichTextLine>> m_lines;
    std::vector<std::unique_ptr<CRichTextElement>> m_elements;
    int m_width;
    int m_height;
    int m_leftOverhang;
    int m_rightOverhang;
    int m_xResolution;
    int m_yResolution;
    std::vector<std::unique_ptr<CTextStyle>> m_styles;
    std::vector<TEXTMETRIC> m_metrics;
    std::vector<LOGFONT> m_logFonts;
    BOOL m_rotated;
    std::vector<std::unique_ptr<CRichTextStyleState>> m_styleStack;

private:
    // The markup pass: the plain characters with their fonts, break spacing
    // and elements.
    struct Output
    {
        CString text;
        std::vector<int> fonts;
        std::vector<int> spacing;
        std::vector<CRichTextElement*> elements;
        void Put(char c, int font, int breakSpacing, CRichTextElement* element);
    };

    BOOL SetBaseStyle(LPCTSTR nameOrText);
    void ComputeFonts();
    int FindOrAddFont(const CTextStyle& style);
    int AddFont(LPCTSTR form);
    void ReadMarkup(const CString& text, int paragraphSpacing, int flags, Output& output);
    // The font of a line break, or of what a code puts into the text.
    int BreakFont(BOOL inWord) const;
    // One code of the markup, by its group; FALSE when its argument is not
    // understood (the code then does nothing).
    BOOL ApplyCode(char code, const CString& argument, Output& output, BOOL* inWord);
    // "b", "i", "u", "s", "c": bold, italic, underline, small and all capitals on ("+") or off ("-").
    BOOL ApplySwitchCode(char code, const CString& argument);
    // "k": "+" keeps the style in force, "-" goes back to the style kept last.
    BOOL ApplyKeepCode(const CString& argument);
    // "r": the text colour (the device's own for a colour not understood).
    void ApplyColourCode(const CString& argument);
    // "h": "+n" or "-n" points, "+n%" or "-n%" of the size; a sign alone:
    // "+" one point more, "-" drops the size adjustment made last.
    BOOL ApplySizeCode(const CString& argument);
    // "T": tab stops ("10,20,30", in average character widths) or the
    // interval between them ("4").
    BOOL ApplyTabStopsCode(const CString& argument, BOOL* inWord);
    // "L" indentation, "t" tab, "v" a break with spacing, "p" picture.
    BOOL ApplyInsertionCode(char code, const CString& argument, Output& output, BOOL* inWord);
    void LayoutParagraph(const Output& output, int start, int end, int spacingPoints, int width,
                         int heightLimit, int flags);
    int MeasureChars(const Output& output, int start, int end, CRichTextLine* line);
    // A TrueType run's overhangs beyond its ends.
    void MeasureOverhangs(CRichTextRun& run) const;
    void MergeRuns(CRichTextLine& line) const;
    void CloseLine(std::unique_ptr<CRichTextLine> line);
    int TabWidth(int x, int font);
    void SizePicture(CRichTextPicture* picture, const CRichTextLine* line, int font);

    // Painting.
    // A box of the painting frame (u along the lines, v across them) on
    // the device.
    RECT ToDevice(int u0, int v0, int u1, int v1) const;
    void PaintLine(const CRichTextLine& line, const RECT& clip, int flags);
    void SelectPaintFont(int index);
    void DrawRun(const CRichTextRun& run, int left, int top, int bottom, int baseline, int width, int clipEnd,
                 BOOL ellipsis);
    void DrawTurnedRun(const CString& text, const int* advances, int left, int top, int bottom, int baseline,
                       int width, COLORREF colour);
    void DrawTurnedOutline(const CString& text, const int* advances, int left, int baseline);

    const CNamedStringMap* m_styleMap;
    CDC* m_dc;
    CRichTextState* m_state;
    COLORREF m_paintColour;
    CTextPathList* m_paths = NULL;
    // The paragraph being laid out: its top and limits.
    int m_paragraphTop = 0;
    int m_widthLimit = 0;
    int m_heightLimit = -1;
};
