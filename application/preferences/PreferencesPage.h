#pragma once
// The base of the preference pages: a page takes copies of its preferences
// when it opens and stores them back when the user accepts the sheet.
#include "framework/dialogs/MyPropertyPage.h"

class CPreferencesPage : public CMyPropertyPage
{
    DECLARE_DYNAMIC(CPreferencesPage)

public:
    explicit CPreferencesPage(UINT templateId) : CMyPropertyPage(templateId) {}

    // TRUE while the page fills its controls: their notifications change
    // nothing then.
    BOOL IsInitialising() const { return m_initialising; }

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    // Enables the controls that follow the page's choices; after the page
    // opened and after each such choice.
    virtual void EnableDependentControls() {}

    BOOL m_initialising = FALSE;
};
