#pragma once
// Select...: the parent's genotype chosen in the genotype selection window and
// written back into the parent's edit.
#include "application/main/MainDlgCommand.h"

class CSelectGenotypeCommand : public CMainDlgCommand
{
public:
    // sex: 0 female, 1 male (also picks the button and the edit).
    CSelectGenotypeCommand(CGeneticsMainDlg* dialog, int sex);
    // A configuration is loaded without error.
    BOOL IsEnabled() override;
    int Execute() override;

    UINT m_nEditId;
    int m_nSex;
};
