#pragma once

// Dialog templates of the window tests, made with the program's own template
// builder: the caption at (10, 10) in 8-point "MS Shell Dlg", then controls of
// the predefined classes.

#include "afx/dialogs/DialogTemplateBuilder.h"

#include <string>

class CDialogTemplate
{
public:
    enum
    {
        BUTTON = 0x0080,
        EDIT = 0x0081,
        STATIC = 0x0082,
        LISTBOX = 0x0083,
        COMBOBOX = 0x0085,
    };

    CDialogTemplate(const wchar_t* caption, DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                    short cx = 200, short cy = 120)
    {
        m_builder.Begin(style | DS_SETFONT, 10, 10, cx, cy, Narrow(caption).c_str(), 8, "MS Shell Dlg");
    }

    CDialogTemplate& Add(WORD classAtom, const wchar_t* text, WORD id, DWORD style, short x, short y, short cx,
                         short cy)
    {
        m_builder.AddControl(id, classAtom, Narrow(text).c_str(), style, x, y, cx, cy);
        return *this;
    }

    LPCDLGTEMPLATE Get() const { return m_builder.GetTemplate(); }
    DWORD Size() const { return m_builder.GetSize(); }

private:
    static std::string Narrow(const wchar_t* text)
    {
        char narrow[512] = "";
        ::WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof(narrow), NULL, NULL);
        return narrow;
    }

    CDialogTemplateBuilder m_builder;
};
