#include "application/preferences/PreferencesSheet.h"

#include "application/preferences/CurrencyPrefsPage.h"
#include "application/preferences/DatePrefsPage.h"
#include "application/preferences/DisplayPrefsPage.h"
#include "application/preferences/GeneralPrefsPage.h"
#include "application/preferences/LogoPrefsPage.h"
#include "framework/dialogs/MyPropertySheet.h"

INT_PTR RunPreferencesSheet(CWnd* parent, int firstPage)
{
    CGeneralPrefsPage general;
    CLogoPrefsPage logo;
    CDatePrefsPage dates;
    CCurrencyPrefsPage currency;
    CDisplayPrefsPage display;
    CMyPropertySheet sheet("Preferences", parent, firstPage);
    CPropertyPage* pages[] = {&general, &logo, &dates, &currency, &display};
    for (CPropertyPage* page : pages)
        sheet.AddPage(page);
    // No Apply button: the values take effect when the sheet is accepted.
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    return sheet.DoModal();
}
