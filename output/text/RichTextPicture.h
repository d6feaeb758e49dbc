#pragma once
// The "p" code: a picture in formatted text, by name with an optional width,
// height and compass position ("logo.bmp|2in|1in|ne").
#include "output/pictures/CachedPicture.h"
#include "output/text/RichTextElement.h"

class CRichTextPicture : public CRichTextElement
{
public:
    CRichTextPicture() : m_position(0) {}
    CMyCmdTarget* Clone() const override;
    // Reads the code's argument and loads the picture; 0 only for a wrong
    // number of parts (a picture that does not load draws as an error).
    int Setup(LPCTSTR argument, int xResolution, int yResolution);
    void Draw(CDC* dc, const RECT& rect, int options) override;
    // Realises the picture's palette in the DC; -1 without a picture.
    int RealizePalette(CDC* dc, BOOL background) override;
    // The picture's proportions, or FALSE without a picture.
    BOOL GetProportions(double* width, double* height) const;

    CString m_name;
    CCachedPicture m_picture;
    int m_position;
};
