#pragma once
// A named message prompt: a message or question the user may ask not to see
// again, with the box's flags and button option.
#include "foundation/containers/MyCmdTarget.h"

class CMessagePrompt : public CMyCmdTarget
{
    DECLARE_DYNAMIC(CMessagePrompt)

public:
    CMessagePrompt() {}
    CMessagePrompt(LPCTSTR key, LPCTSTR description, UINT flags, UINT option)
        : m_key(key), m_description(description), m_flags(flags), m_option(option)
    {
    }

    CString m_key;           // matched exactly
    CString m_description;   // "sentence\ntitle"
    UINT m_flags = 0;
    UINT m_option = 0;

    // The part after the first newline, or the whole description.
    CString GetTitle() const;
    // The part before the first newline.
    CString GetSentence() const;
    // The button the box answers by default.
    UINT GetDefaultAnswer() const;
};
