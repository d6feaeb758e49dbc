#include "foundation/windows/DialogMetrics.h"

#include "afx/CallbackBarrier.h"
#include "foundation/windows/DialogTemplateBuilder.h"

#include <commctrl.h>

namespace
{
    struct Metrics
    {
        bool measured;
        int checkBoxSize;
        int checkBoxGap;
        RECT groupBoxInsets;
        int editHeight;
        int editLabelOffset;
        SIZE buttonTextExtent;
        RECT tabFrame;
        int comboHeights[2];
    };

    Metrics metrics;

    RECT ControlRect(HWND dialog, int id)
    {
        RECT rect = {0, 0, 0, 0};
        HWND control = ::GetDlgItem(dialog, id);
        if (control != NULL)
            ::GetWindowRect(control, &rect);
        return rect;
    }

    void MeasureGroupBox(HWND dialog)
    {
        RECT box = ControlRect(dialog, IDC_METRICS_GROUP);
        RECT label = ControlRect(dialog, IDC_METRICS_LABEL);
        RECT edit = ControlRect(dialog, IDC_METRICS_EDIT);
        RECT contents;
        ::UnionRect(&contents, &label, &edit);
        metrics.groupBoxInsets.left = contents.left - box.left;
        metrics.groupBoxInsets.top = contents.top - box.top;
        metrics.groupBoxInsets.right = box.right - contents.right;
        metrics.groupBoxInsets.bottom = box.bottom - contents.bottom;
        metrics.editHeight = edit.bottom - edit.top;
        metrics.editLabelOffset = label.top - edit.top;
    }

    void MeasureTabControl(HWND dialog)
    {
        HWND tab = ::GetDlgItem(dialog, IDC_METRICS_TAB);
        if (tab == NULL)
            return;
        ::SendMessageA(tab, WM_SETFONT, ::SendMessageA(dialog, WM_GETFONT, 0, 0), FALSE);
        TCITEMA item;
        ZeroMemory(&item, sizeof(item));
        item.mask = TCIF_TEXT;
        char text[] = "Hi";
        item.pszText = text;
        ::SendMessageA(tab, TCM_INSERTITEMA, 0, (LPARAM)&item);
        RECT rect = {100, 100, 500, 500};
        ::SendMessageA(tab, TCM_ADJUSTRECT, TRUE, (LPARAM)&rect);
        metrics.tabFrame.left = 100 - rect.left;
        metrics.tabFrame.top = 100 - rect.top;
        metrics.tabFrame.right = rect.right - 500;
        metrics.tabFrame.bottom = rect.bottom - 500;
    }

    void MeasureButtonText(HWND dialog)
    {
        HWND button = ::GetDlgItem(dialog, IDOK);
        if (button == NULL)
            return;
        char caption[64];
        int length = ::GetWindowTextA(button, caption, sizeof(caption));
        HDC screen = ::GetDC(NULL);
        HDC memory = ::CreateCompatibleDC(screen);
        ::ReleaseDC(NULL, screen);
        HGDIOBJ oldFont = ::SelectObject(memory, (HFONT)::SendMessageA(button, WM_GETFONT, 0, 0));
        ::GetTextExtentPoint32A(memory, caption, length, &metrics.buttonTextExtent);
        ::SelectObject(memory, oldFont);
        ::DeleteDC(memory);
    }

    void Measure(HWND dialog)
    {
        RECT check1 = ControlRect(dialog, IDC_METRICS_CHECK1);
        RECT check2 = ControlRect(dialog, IDC_METRICS_CHECK2);
        metrics.checkBoxSize = check1.bottom - check1.top;
        metrics.checkBoxGap = check2.top - check1.bottom;
        MeasureGroupBox(dialog);
        MeasureTabControl(dialog);
        MeasureButtonText(dialog);
        RECT combo1 = ControlRect(dialog, IDC_METRICS_COMBO1);
        RECT combo2 = ControlRect(dialog, IDC_METRICS_COMBO2);
        metrics.comboHeights[0] = combo1.bottom - combo1.top;
        metrics.comboHeights[1] = combo2.bottom - combo2.top;
    }

    INT_PTR CALLBACK MetricsDialogProc(HWND dialog, UINT message, WPARAM, LPARAM)
    {
        return AfxCallbackBarrier<INT_PTR>(FALSE, dialog, message, [&]() -> INT_PTR {
            if (message == WM_INITDIALOG)
            {
                Measure(dialog);
                metrics.measured = true;
                ::EndDialog(dialog, IDOK);
                return TRUE;
            }
            return FALSE;
        });
    }

    // The metrics dialog, in dialog units: the group box holds its label and
    // edit at the usual insets, so that what is measured is the dialog font's
    // rendering of those insets.
    void BuildMetricsTemplate(CDialogTemplateBuilder& builder)
    {
        builder.Begin(DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION, 0, 0, 250, 110, "Metrics",
                      8, "MS Shell Dlg");
        builder.AddControl(IDC_METRICS_CHECK1, "Button", "Check", BS_AUTOCHECKBOX | WS_TABSTOP, 7, 7, 60, 10);
        builder.AddControl(IDC_METRICS_CHECK2, "Button", "Check", BS_AUTOCHECKBOX | WS_TABSTOP, 7, 20, 60, 10);
        builder.AddControl(IDC_METRICS_GROUP, "Button", "Group", BS_GROUPBOX, 7, 34, 120, 32);
        builder.AddControl(IDC_METRICS_LABEL, "Static", "Editlabel", SS_LEFT, 14, 47, 40, 8);
        builder.AddControl(IDC_METRICS_EDIT, "Edit", "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 56, 45, 64, 14);
        builder.AddControl(IDOK, "Button", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 140, 7, 50, 14);
        builder.AddControl(IDC_METRICS_TAB, WC_TABCONTROLA, "", WS_TABSTOP, 140, 30, 100, 45);
        builder.AddControl(IDC_METRICS_COMBO1, "ComboBox", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                           7, 80, 80, 60);
        builder.AddControl(IDC_METRICS_COMBO2, "ComboBox", "", CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP,
                           100, 80, 80, 60);
    }
}

void MeasureDialogMetrics()
{
    if (metrics.measured)
        return;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&controls);
    // The program's own metrics dialog is measured when its resources hold
    // one; an executable without it (a test, a tool) measures the same
    // controls from a template built here.
    HINSTANCE resources = AfxGetResourceHandle();
    if (resources != NULL &&
        ::FindResourceA(resources, MAKEINTRESOURCEA(IDD_DIALOG_METRICS), MAKEINTRESOURCEA(5) /* RT_DIALOG */) != NULL)
    {
        ::DialogBoxParamA(resources, MAKEINTRESOURCEA(IDD_DIALOG_METRICS), NULL, MetricsDialogProc, 0);
        if (metrics.measured)
            return;
    }
    CDialogTemplateBuilder builder;
    BuildMetricsTemplate(builder);
    ::DialogBoxIndirectParamA(::GetModuleHandleA(NULL), builder.GetTemplate(), NULL, MetricsDialogProc, 0);
}

BOOL AreDialogMetricsMeasured()
{
    return metrics.measured;
}

CSize GetCheckBoxSize()
{
    MeasureDialogMetrics();
    return CSize(metrics.checkBoxSize, metrics.checkBoxSize);
}

int GetCheckBoxGap()
{
    MeasureDialogMetrics();
    return metrics.checkBoxGap;
}

CSize GetButtonTextExtent()
{
    MeasureDialogMetrics();
    return CSize(metrics.buttonTextExtent.cx, metrics.buttonTextExtent.cy);
}

int GetGroupBoxLeftMargin()
{
    MeasureDialogMetrics();
    return metrics.groupBoxInsets.left;
}

int GetGroupBoxTopMargin()
{
    MeasureDialogMetrics();
    return metrics.groupBoxInsets.top;
}

int GetGroupBoxRightMargin()
{
    MeasureDialogMetrics();
    return metrics.groupBoxInsets.right;
}

int GetGroupBoxBottomMargin()
{
    MeasureDialogMetrics();
    return metrics.groupBoxInsets.bottom;
}

CSize GetTabControlFrameSize()
{
    MeasureDialogMetrics();
    return CSize(metrics.tabFrame.left + metrics.tabFrame.right, metrics.tabFrame.top + metrics.tabFrame.bottom);
}

int GetTabControlLeftFrame()
{
    MeasureDialogMetrics();
    return metrics.tabFrame.left;
}

int GetTabControlTopFrame()
{
    MeasureDialogMetrics();
    return metrics.tabFrame.top;
}

int GetEditHeight()
{
    MeasureDialogMetrics();
    return metrics.editHeight;
}

int GetEditLabelOffset()
{
    MeasureDialogMetrics();
    return metrics.editLabelOffset;
}

int GetComboBoxHeight(int which)
{
    MeasureDialogMetrics();
    return metrics.comboHeights[which == 0 ? 0 : 1];
}
