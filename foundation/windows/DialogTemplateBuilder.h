#pragma once

#include "afx/AfxCore.h"

#include <vector>

// Builds a dialog template in memory (DLGTEMPLATE with DLGITEMTEMPLATE
// entries), for dialogs that must work in executables without resources.
class CDialogTemplateBuilder
{
public:
    void Begin(DWORD style, short x, short y, short cx, short cy, LPCSTR caption,
               WORD pointSize, LPCSTR typeface);
    void AddControl(WORD id, LPCSTR windowClass, LPCSTR text, DWORD style,
                    short x, short y, short cx, short cy);
    LPCDLGTEMPLATEA GetTemplate() const;

private:
    void Align();
    void AddText(LPCSTR text);

    std::vector<WORD> m_words;
};
