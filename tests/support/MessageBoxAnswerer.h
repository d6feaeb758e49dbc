#pragma once

// Answers the message boxes that the code under test shows, through a CBT hook
// on this thread, and records their texts and titles. Never waits for a person.

#include <windows.h>

#include <string>
#include <vector>

class CMessageBoxAnswerer
{
public:
    explicit CMessageBoxAnswerer(int answer) : m_answer(answer)
    {
        s_current = this;
        m_hook = ::SetWindowsHookExA(WH_CBT, Hook, NULL, ::GetCurrentThreadId());
    }

    ~CMessageBoxAnswerer()
    {
        ::UnhookWindowsHookEx(m_hook);
        s_current = NULL;
    }

    void SetAnswer(int answer) { m_answer = answer; }
    int Count() const { return (int)m_texts.size(); }
    std::string LastText() const { return m_texts.empty() ? std::string() : m_texts.back(); }
    std::string LastTitle() const { return m_titles.empty() ? std::string() : m_titles.back(); }
    const std::vector<std::string>& Texts() const { return m_texts; }
    // The buttons of the last box, as "OK", "YesNoCancel" and the like.
    std::string LastButtons() const { return m_buttons.empty() ? std::string() : m_buttons.back(); }
    // The icon that the last box showed, or null.
    HICON LastIcon() const { return m_icons.empty() ? NULL : m_icons.back(); }

private:
    CMessageBoxAnswerer(const CMessageBoxAnswerer&) = delete;
    CMessageBoxAnswerer& operator=(const CMessageBoxAnswerer&) = delete;

    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        CMessageBoxAnswerer* self = s_current;
        if (code == HCBT_ACTIVATE && self != NULL)
        {
            HWND box = (HWND)wParam;
            char className[32] = "";
            ::GetClassNameA(box, className, sizeof(className));
            if (std::string(className) == "#32770")
            {
                // the platform's box shows its text in item 0xFFFF, the
                // program's own box in item 40454
                char text[4096] = "";
                if (!::GetDlgItemTextA(box, 0xFFFF, text, sizeof(text)))
                    ::GetDlgItemTextA(box, 40454, text, sizeof(text));
                char title[256] = "";
                ::GetWindowTextA(box, title, sizeof(title));
                self->m_texts.push_back(text);
                self->m_titles.push_back(title);
                self->m_buttons.push_back(ButtonsOf(box));
                HWND icon = ::GetDlgItem(box, 0x0440);   // the platform box's icon control
                if (icon == NULL)
                    icon = ::GetDlgItem(box, 39918);      // the program's own box
                self->m_icons.push_back(icon != NULL ? (HICON)::SendMessageA(icon, STM_GETICON, 0, 0) : NULL);
                ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(self->m_answer, BN_CLICKED), 0);
            }
        }
        return ::CallNextHookEx(NULL, code, wParam, lParam);
    }

    static std::string ButtonsOf(HWND box)
    {
        static const struct
        {
            int id;
            const char* name;
        } buttons[] = {{IDOK, "OK"}, {IDYES, "Yes"}, {IDNO, "No"}, {IDCANCEL, "Cancel"}};
        std::string names;
        for (const auto& button : buttons)
        {
            if (::GetDlgItem(box, button.id) != NULL)
                names += button.name;
        }
        return names;
    }

    static inline CMessageBoxAnswerer* s_current = NULL;
    int m_answer;
    HHOOK m_hook;
    std::vector<std::string> m_texts;
    std::vector<std::string> m_titles;
    std::vector<std::string> m_buttons;
    std::vector<HICON> m_icons;
};
