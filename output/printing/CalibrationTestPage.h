#pragma once
// The printer calibration test page: two black squares of 1.5 inches in the
// paper's top-left and bottom-right corners, and the instructions between
// them.
#include "output/printing/PrintSource.h"

class CCalibrationTestPage : public CPrintSource
{
public:
    BOOL Render() override;
    // Prints the page on the printer data as the calibration dialog does.
    BOOL PrintOn(CWnd* parent, CPrinterData* printerData);
};
