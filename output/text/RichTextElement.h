#pragma once
// Something embedded in formatted text that is not a character: its width
// and height (-1 while open, to be set by the layout) and how it draws.
#include "afx/app/AfxWin.h"
#include "foundation/containers/MyCmdTarget.h"

class CRichTextElement : public CMyCmdTarget
{
public:
    CRichTextElement() : m_width(-1), m_height(-1) {}
    ~CRichTextElement() override {}

    BOOL IsEqual(const CMyCmdTarget* other) const override { return FALSE; }
    virtual void Draw(CDC* dc, const RECT& rect, int options) {}
    // Realises the element's palette; -1 when it has none.
    virtual int RealizePalette(CDC* dc, BOOL background) { return -1; }

    int m_width;
    int m_height;
};
