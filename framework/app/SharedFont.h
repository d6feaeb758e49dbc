#pragma once
// A font that start-up makes once for the whole program, with the LOGFONT it
// was made from and its TEXTMETRIC as measured on the screen.
#include "afx/app/AfxWin.h"

class CSharedFont : public CFont
{
public:
    LOGFONTA m_logFont = {};
    TEXTMETRICA m_metrics = {};

    // Wraps a stock font, which the platform lends: Release gives it back
    // without deleting it. Both measure the font on the device context.
    BOOL MakeFromStock(int stockIndex, CDC& dc);
    BOOL Make(const LOGFONTA& logFont, CDC& dc);
    // Deletes a made font or lets go of a stock one; FALSE when the font
    // held no handle or the platform refused to delete it.
    BOOL Release();
    bool IsStock() const { return m_stock; }

private:
    void Measure(CDC& dc);

    bool m_stock = false;
};
