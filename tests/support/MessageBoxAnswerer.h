#pragma once

// Answers the message boxes that the code under test shows, and records their
// texts, titles, buttons and icons. Never waits for a person.
//
// It works alike for the platform's message box and the program's own message
// box dialog: a box is any dialog activated on this thread while the answerer
// lives; its text is the text of its static controls, its buttons are read by
// their command ids (IDOK, IDYES, ...), and the answer is given as a click on
// the button with the answer's id. No control id of either box is assumed.

#include <windows.h>

#include <string>
#include <vector>

class CMessageBoxAnswerer
{
public:
    // answer: the id of the button to press (IDOK, IDYES, IDNO, IDCANCEL, ...).
    explicit CMessageBoxAnswerer(int answer);
    ~CMessageBoxAnswerer();

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

    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    void Answer(HWND box);

    int m_answer;
    HHOOK m_hook;
    CMessageBoxAnswerer* m_previous;
    std::vector<std::string> m_texts;
    std::vector<std::string> m_titles;
    std::vector<std::string> m_buttons;
    std::vector<HICON> m_icons;
};
