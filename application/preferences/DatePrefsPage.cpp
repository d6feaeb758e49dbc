#include "application/preferences/DatePrefsPage.h"

#include "application/preferences/PreferenceControls.h"
#include "application/preferences/PreferencesIds.h"
#include "framework/values/DateFormats.h"

IMPLEMENT_DYNAMIC(CDatePrefsPage, CPreferencesPage)

CDatePrefsPage::CDatePrefsPage() : CPreferencesPage(IDD_DATE_PREFS)
{
}

void CDatePrefsPage::DoDataExchange(CDataExchange* pDX)
{
    CPreferencesPage::DoDataExchange(pDX);
    const CDateFormatLists& lists = DateFormatLists();
    DDX_ValueList(pDX, IDC_DATA_ENTRY_DATE, m_dataEntryFormat, lists.formats, lists.descriptions);
    DDX_ValueList(pDX, IDC_EXPORT_DATE, m_exportFormat, lists.exportFormats, lists.exportDescriptions);
    DDX_ValueList(pDX, IDC_IMPORT_TEXT_DATE, m_importTextFormat, lists.importFormats, lists.importDescriptions);
    DDX_ValueList(pDX, IDC_OUTPUT_DATE, m_outputFormat, lists.displayFormats, lists.displayDescriptions);
}
