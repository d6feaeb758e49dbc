#include "output/printing/CalibrationTestPage.h"

#include "framework/app/SharedPensAndBrushes.h"
#include "output/printing/PrinterData.h"
#include "output/text/RichTextLayout.h"

namespace
{
const char* const Instructions =
    "You should see two black rectangles on this page, one in the top left corner and the other in the bottom "
    "right corner. These have been printed as close to the corners of the paper as possible. The gaps - if any - "
    "you see between these rectangles and the paper edges are the unprintable parts of the page.\r\nUse a ruler "
    "to measure these gaps as accurately as possible and enter the values into Kestrova.";
}

BOOL CCalibrationTestPage::Render()
{
    GetCurrentY();
    if (m_stopped)
        return FALSE;
    CDC* dc = GetDC();
    const RECT& paper = m_printerData->m_pageRect;
    int px = m_printerData->m_xResolution;
    int py = m_printerData->m_yResolution;
    RECT first = {paper.left, paper.top, paper.left + px * 3 / 2, paper.top + py * 3 / 2};
    RECT second = {paper.right - px * 3 / 2, paper.bottom - py * 3 / 2, paper.right, paper.bottom};
    HBRUSH black = SharedBlackBrush();
    ::FillRect(dc->m_hDC, &first, black);
    ::FillRect(dc->m_hDC, &second, black);

    RECT box = {first.right, first.bottom, second.left, second.top};
    CRichTextLayout layout;
    layout.Reset();
    layout.Layout(EmptyStyleMap, dc, box.right - box.left, box.bottom - box.top, 2, Instructions, "Default", -1, -1,
                  0);
    int top = box.top + (box.bottom - box.top - layout.m_height) / 2;
    RECT destination = {box.left, top, box.left + layout.m_width, top + layout.m_height};
    layout.Paint(dc, destination, box, 0, -1);
    return TRUE;
}

BOOL CCalibrationTestPage::PrintOn(CWnd* parent, CPrinterData* printerData)
{
    return Print(&EmptyStyleMap, parent, printerData, 1, "Printer Calibration Test Page", "", "", "", "", 8, 0);
}
