#pragma once
// The display preferences: print and list colours, spellings, the clock,
// tool tips, measurement units and the list font size.
#include "application/preferences/PreferencesPage.h"
#include "framework/controls/MyButton.h"

class CDisplayPrefsPage : public CPreferencesPage
{
    DECLARE_DYNAMIC(CDisplayPrefsPage)

public:
    CDisplayPrefsPage();

    int m_printTextColour = 0;
    int m_entryColour = 0;
    int m_entryBackground = 0;
    int m_alternateBackground = 0;
    int m_selectedBackground = 0;
    int m_americanEnglish = 0;
    int m_use24HourClock = 0;
    int m_toolTipsEnabled = 1;
    int m_measurementUnits = 0;
    int m_listFontPtSize = 14;
    int m_alternatingBackgrounds = 1;

    enum { ColourCount = 5 };
    CMyButton m_colourButtons[ColourCount];

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void EnableDependentControls() override;

    afx_msg void OnAlternatingBackgrounds();
    afx_msg void OnChooseColour(UINT buttonId);
    DECLARE_MESSAGE_MAP()
};
