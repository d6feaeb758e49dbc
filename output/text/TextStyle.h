#pragma once
// A text style: typeface, point size, attributes and colour, kept by name as
// a one-line text form such as "Times New Roman,12,Bold".
#include "afx/app/AfxWin.h"
#include "framework/named/NamedObject.h"
#include "foundation/terminology/NamedStringMap.h"

class CTextStyle : public CNamedObject
{
    DECLARE_DYNCREATE(CTextStyle)

public:
    enum { KindCode = 52 };
    enum Attribute
    {
        Bold = 1,
        Italic = 2,
        Underline = 4,
        SmallCaps = 8,
        AllCaps = 16,
        Bigger = 32,
        FixedWidth = 64
    };

    CTextStyle();
    ~CTextStyle() override {}

    CMyCmdTarget* Clone() const override;
    BOOL IsEqual(const CMyCmdTarget* other) const override;

    void SetDefaults() override { SetDefault(); }
    void SetDefault();
    // Takes typeface, point size, attributes and colour from the other style.
    void CopyLook(const CTextStyle& from);
    // "typeface,size,attributes".
    CString ToText() const;
    // 1 when the text form was read; 0 leaves what was read so far.
    int FromText(LPCTSTR text);
    // "Times New Roman, 12 pt, Bold".
    CString Describe() const;

    CString GetText() const override { return ToText(); }
    BOOL SetText(LPCTSTR text) override { return FromText(text); }
    CString GetDescription() const override { return Describe(); }
    // Runs the "Text Style" dialog on a copy; 1 after OK (the style takes the
    // copy), else 0 (the style is unchanged).
    int EditProperties(CWnd* parent, LPCTSTR title, BOOL isNew, int parameter1, int parameter2) override;
    // A text form (holding a ',') or the name of a style in the map; on any
    // failure the style becomes "Times New Roman,10" and the result is 0.
    int SetFromNameOrText(const CNamedStringMap& styles, LPCTSTR text);
    // Makes the style's font for the device into 'font', fills the metrics
    // (and the LOGFONT when given). The DC's font is left as it was.
    void CreateFont(CDC* dc, LOGFONT* logFont, CFont* font, TEXTMETRIC* metrics, double scale) const;

    CString m_typeface;
    int m_pointSize;
    WORD m_attributes;
    COLORREF m_colour;
};
