#pragma once
// Finds what a user would see as a layout fault in a window's visible child
// controls, measured in the font each control really uses: text that does not
// fit its control (a check box's or radio button's text in the room that the
// button's own drawing leaves beside its box), controls that overlap one
// another, controls cut by the window's edge. Containers (group boxes, tab
// controls) may hold others.
#include <windows.h>

#include <string>
#include <vector>

// Controls placed over others on purpose (moved, removed or shown in turn at
// run time): such a control takes part in no overlap test. A pair of ids
// excuses only that pair; second == 0 excuses the first with every sibling.
struct LayoutExemption
{
    int first;
    int second;
};

std::vector<std::string> FindLayoutFaults(HWND window, const std::vector<LayoutExemption>& exemptions = {});

// The faults as one text for a test's failure message.
std::string JoinLayoutFaults(const std::vector<std::string>& faults);

// Fields of one column line up: labels that start at one x in one container
// (a form's column) have fields beside them (edits, lists, radio buttons,
// check boxes) that start at one x too. A fault per field out of line.
std::vector<std::string> FindColumnFaults(HWND window);
