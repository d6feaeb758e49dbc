#pragma once
// The combo box in which text styles choose a typeface: the installed
// TrueType fonts of the ANSI character set (optionally only fixed-pitch
// ones), each name drawn in its own typeface at 9 points.
#include "framework/controls/MyComboBox.h"

class CFontNameCombo : public CMyComboBox
{
    DECLARE_DYNCREATE(CFontNameCombo)

public:
    CFontNameCombo();

    void Fill();
    // Lists the font when it passes the rule (TrueType, ANSI, fixed pitch
    // when asked); FALSE when it is left out or cannot be added.
    BOOL AddFont(const LOGFONTA& font, const TEXTMETRICA& metrics, DWORD fontType);

    const LOGFONTA* GetSelectedLogFont() const;
    CString GetSelectedFaceName() const;
    // Selects the first font whose name begins with the name, or else the
    // first font of the list.
    void SelectFaceName(LPCTSTR name);

    void DrawItem(LPDRAWITEMSTRUCT item) override;
    void MeasureItem(LPMEASUREITEMSTRUCT item) override;

    CArray<LOGFONTA, const LOGFONTA&> m_fonts;
    int m_fixedPitchOnly;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT create);

    DECLARE_MESSAGE_MAP()
};

void AFXAPI DDX_FontNameCombo(CDataExchange* pDX, int nIDC, CFontNameCombo& combo, CString& faceName,
                              BOOL fixedPitchOnly);
