#pragma once
// The printing of printable dialogs: each dialog prints its text with the
// printer/paper configuration it names, whose printer is set up when the
// dialog is shown. The application installs it at start-up.
#include "framework/dialogs/PrintableDlgPrinting.h"
#include "foundation/terminology/NamedStringMap.h"

class CPrintableDlgPrinter : public CPrintableDlgPrinting
{
public:
    CPrintableDlgPrintData* CreatePrintData(CPrintableDlg* dialog) override;
    void SetupPrinter(CPrintableDlg* dialog, BOOL fromSelectionChange) override;
    BOOL Print(CPrintableDlg* dialog) override;
};

// Installs the printing of printable dialogs (start-up).
void InstallPrintableDlgPrinting();

// The stored printer/paper configurations by name, as their text forms.
extern CNamedStringMap PrinterPaperConfigTexts;
