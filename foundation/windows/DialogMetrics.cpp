#include "foundation/windows/DialogMetrics.h"

#include "afx/core/CallbackBarrier.h"
#include "foundation/windows/ScreenMemoryDC.h"
#include "foundation/windows/SelectedObject.h"

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
        CScreenMemoryDC memory;
        CSelectedObject font(memory, (HFONT)::SendMessageA(button, WM_GETFONT, 0, 0));
        ::GetTextExtentPoint32A(memory, caption, length, &metrics.buttonTextExtent);
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
}

void MeasureDialogMetrics()
{
    if (metrics.measured)
        return;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&controls);
    // The metrics dialog is one of the foundation's resources, linked into
    // every program; a resource module of another language may hold its own.
    HINSTANCE modules[] = {AfxGetResourceHandle(), ::GetModuleHandleA(NULL)};
    for (HINSTANCE module : modules)
    {
        if (module != NULL && ::FindResourceA(module, MAKEINTRESOURCEA(IDD_DIALOG_METRICS), RT_DIALOG) != NULL)
        {
            ::DialogBoxParamA(module, MAKEINTRESOURCEA(IDD_DIALOG_METRICS), NULL, MetricsDialogProc, 0);
            return;
        }
    }
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
