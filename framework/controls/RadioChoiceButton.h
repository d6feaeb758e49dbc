#pragma once
// A button of a three-way radio group whose click lets its owner enable the
// controls that belong to the checked choice: the first range of dialog
// controls and the owner's colour button with choice 0, the second range
// with choice 1; choice 2 enables neither.
#include "framework/controls/MyButton.h"

class CRadioChoiceButton : public CMyButton
{
    DECLARE_DYNCREATE(CRadioChoiceButton)

public:
    // The checked radio of the three from the first id on (none checked
    // counts as 0).
    int GetChoice() const;
    // Enables the ranges and the colour button by the checked choice.
    void ApplyChoice();

    CWnd* m_owner = NULL;           // the dialog holding the group and the ranges
    int m_firstRadio = 0;           // id of choice 0; choices 1 and 2 follow
    int m_firstRange[2] = {0, -1};  // ids enabled with choice 0 (from, to)
    int m_secondRange[2] = {0, -1}; // ids enabled with choice 1 (from, to)
    CWnd* m_colourButton = NULL;    // the owner's colour button, enabled with choice 0

protected:
    // The parent sees the click as well.
    afx_msg BOOL OnClicked();
    DECLARE_MESSAGE_MAP()
};
