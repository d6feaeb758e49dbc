#pragma once
// Prints a plain text line by line in a fixed-width font, wrapped to the
// width of the page's content.
#include "output/printing/PrintSource.h"

class CTextPrintSource : public CPrintSource
{
public:
    BOOL Render() override;
    // The text to print.
    virtual CString GetPrintText() = 0;
};
