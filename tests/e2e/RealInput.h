#pragma once
// Real input, as the system's own keyboard and mouse handling gets it
// (SendInput): it goes to the foreground window and its focused control, so
// a control is given the focus by a click on it, as a user would.

#include <windows.h>

namespace e2e
{
void PressKey(WORD key);
// Letters as a keyboard of another layout or an input method gives them.
void TypeUnicode(const wchar_t* text);
// A left click near the right edge of the window, vertically centred (inside
// an edit's text, on a drop-down list's arrow), its top-level window brought
// to the front first.
void ClickInto(HWND window);
// A left click at a point of the screen.
void ClickAt(POINT screen);
// Whether the window has the keyboard focus of its thread, and a click that
// gave it is over: a window takes the focus as the button goes down and holds
// the mouse until it comes up, and an edit extends its selection on any move
// in between (Wine sends the pointer's moves back late), past a caret placed
// meanwhile.
bool HasFocus(HWND window, int);
}  // namespace e2e
