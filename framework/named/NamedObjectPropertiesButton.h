#pragma once
// The button beside a named-object field that opens the selected object's
// properties, or offers to add a name the store does not hold.
#include "framework/controls/MyButton.h"
#include "framework/messages/PrivateMessages.h"

class CNamedObjectSelector;

class CNamedObjectPropertiesButton : public CMyButton
{
public:
    CNamedObjectSelector* m_selector = NULL;

protected:
    // The click is always handled here, so the dialog never sees it.
    afx_msg BOOL OnClicked();
    DECLARE_MESSAGE_MAP()
};
