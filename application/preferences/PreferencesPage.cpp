#include "application/preferences/PreferencesPage.h"

#include "application/app/Preferences.h"

IMPLEMENT_DYNAMIC(CPreferencesPage, CMyPropertyPage)

BOOL CPreferencesPage::OnInitDialog()
{
    m_initialising = TRUE;
    ExchangePreferences(this, TRUE);
    const BOOL result = CMyPropertyPage::OnInitDialog();
    m_initialising = FALSE;
    EnableDependentControls();
    return result;
}

void CPreferencesPage::OnOK()
{
    ExchangePreferences(this, FALSE);
    CMyPropertyPage::OnOK();
}
