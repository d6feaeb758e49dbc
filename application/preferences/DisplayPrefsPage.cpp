#include "application/preferences/DisplayPrefsPage.h"

#include "afx/dialogs/Ddx.h"
#include "application/preferences/PreferenceControls.h"
#include "application/preferences/PreferencesIds.h"

IMPLEMENT_DYNAMIC(CDisplayPrefsPage, CPreferencesPage)

BEGIN_MESSAGE_MAP(CDisplayPrefsPage, CPreferencesPage)
ON_BN_CLICKED(IDC_ALTERNATING_BACKGROUNDS, OnAlternatingBackgrounds)
ON_CONTROL_RANGE(BN_CLICKED, IDC_PRINT_TEXT_COLOUR_BUTTON, IDC_SELECTED_BACKGROUND_BUTTON, OnChooseColour)
END_MESSAGE_MAP()

namespace
{
// The colour rows: edit and button ids, in the order of the page's buttons.
const struct
{
    int edit;
    int button;
    int CDisplayPrefsPage::*colour;
} ColourRows[CDisplayPrefsPage::ColourCount] = {
    {IDC_PRINT_TEXT_COLOUR, IDC_PRINT_TEXT_COLOUR_BUTTON, &CDisplayPrefsPage::m_printTextColour},
    {IDC_ENTRY_COLOUR, IDC_ENTRY_COLOUR_BUTTON, &CDisplayPrefsPage::m_entryColour},
    {IDC_ENTRY_BACKGROUND, IDC_ENTRY_BACKGROUND_BUTTON, &CDisplayPrefsPage::m_entryBackground},
    {IDC_ALTERNATE_BACKGROUND, IDC_ALTERNATE_BACKGROUND_BUTTON, &CDisplayPrefsPage::m_alternateBackground},
    {IDC_SELECTED_BACKGROUND, IDC_SELECTED_BACKGROUND_BUTTON, &CDisplayPrefsPage::m_selectedBackground},
};
const int AlternateRow = 3;

const char* const UnitNames[] = {"Inches", "Millimetres", "Centimetres", "Points"};
}  // namespace

CDisplayPrefsPage::CDisplayPrefsPage() : CPreferencesPage(IDD_DISPLAY_PREFS)
{
}

void CDisplayPrefsPage::DoDataExchange(CDataExchange* pDX)
{
    CPreferencesPage::DoDataExchange(pDX);
    for (int row = 0; row < ColourCount; row++)
    {
        DDX_MyButton(pDX, ColourRows[row].button, m_colourButtons[row]);
        DDX_ColourText(pDX, ColourRows[row].edit, this->*ColourRows[row].colour);
    }
    DDX_Check(pDX, IDC_ALTERNATING_BACKGROUNDS, m_alternatingBackgrounds);
    DDX_Check(pDX, IDC_AMERICAN_ENGLISH, m_americanEnglish);
    DDX_Check(pDX, IDC_USE_24_HOUR_CLOCK, m_use24HourClock);
    DDX_Check(pDX, IDC_TOOL_TIPS, m_toolTipsEnabled);
    DDX_ListIndex(pDX, IDC_MEASUREMENT_UNITS, m_measurementUnits, UnitNames, 4);
    DDX_Text(pDX, IDC_LIST_FONT_SIZE, m_listFontPtSize);
    DDV_MinMaxInt(pDX, m_listFontPtSize, 6, 72);
}

void CDisplayPrefsPage::EnableDependentControls()
{
    // The alternate background's button, with its edit and label.
    const BOOL alternating = SendDlgItemMessage(IDC_ALTERNATING_BACKGROUNDS, BM_GETCHECK) == BST_CHECKED;
    m_colourButtons[AlternateRow].EnableWithLabels(alternating);
}

void CDisplayPrefsPage::OnAlternatingBackgrounds()
{
    if (!IsInitialising())
        EnableDependentControls();
}

void CDisplayPrefsPage::OnChooseColour(UINT buttonId)
{
    for (const auto& row : ColourRows)
        if ((UINT)row.button == buttonId)
            ChooseColourForEdit(this, row.edit);
}
