#pragma once
// How a printable dialog prints. The framework declares it; the printing code
// implements it and installs it at start-up. With none installed, printable
// dialogs simply have no printing.
#include "afx/app/AfxWin.h"

class CPrintableDlg;

// What the printing code keeps per dialog (print source, printer/paper
// configuration, printer data, configuration selector); the dialog owns it.
class CPrintableDlgPrintData
{
public:
    virtual ~CPrintableDlgPrintData() {}
};

class CPrintableDlgPrinting
{
public:
    virtual ~CPrintableDlgPrinting() {}
    // Made when the dialog is constructed; may answer null.
    virtual CPrintableDlgPrintData* CreatePrintData(CPrintableDlg* dialog) = 0;
    // Finds the printer for the dialog's configuration and sets its
    // m_printerReady; from a change of the configuration selection or not.
    virtual void SetupPrinter(CPrintableDlg* dialog, BOOL fromSelectionChange) = 0;
    // Prints the dialog's content as one job; TRUE when it printed.
    virtual BOOL Print(CPrintableDlg* dialog) = 0;
    // Enables the printing code's own controls with the dialog's options.
    virtual void EnablePrintControls(CPrintableDlg* dialog, BOOL enable) {}
};

void SetPrintableDlgPrinting(CPrintableDlgPrinting* printing);
CPrintableDlgPrinting* GetPrintableDlgPrinting();
