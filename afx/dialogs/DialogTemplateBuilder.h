#pragma once

#include "afx/core/AfxCore.h"

#include <vector>

// Builds a dialog template in memory (DLGTEMPLATE with DLGITEMTEMPLATE
// entries), for dialogs whose controls are only known at run time; the tests
// build their dialogs with it too. Dialogs known in advance have their
// template in a resource script.
class CDialogTemplateBuilder
{
public:
    void Begin(DWORD style, short x, short y, short cx, short cy, LPCSTR caption,
               WORD pointSize, LPCSTR typeface);
    // A control of a window class named, or given by its predefined atom
    // (0x0080 button, 0x0081 edit, 0x0082 static, 0x0083 list box,
    // 0x0084 scroll bar, 0x0085 combo box); always a visible child.
    void AddControl(WORD id, LPCSTR windowClass, LPCSTR text, DWORD style,
                    short x, short y, short cx, short cy);
    void AddControl(WORD id, WORD classAtom, LPCSTR text, DWORD style, short x, short y, short cx, short cy);
    LPCDLGTEMPLATEA GetTemplate() const;
    // The template's size in bytes.
    DWORD GetSize() const { return (DWORD)(m_words.size() * sizeof(WORD)); }

private:
    void Align();
    void AddText(LPCSTR text);
    void AddItemHeader(WORD id, DWORD style, short x, short y, short cx, short cy);
    void EndItem(LPCSTR text);

    std::vector<WORD> m_words;
};
