#pragma once
// The device side of a printer/paper configuration: the printer's DC, its
// resolution, page and print-area rectangles, unprintable gaps, paper and
// tray names; and the document and page calls of a print job, which go to the
// printer or, page by page, into picture files.
#include "afx/app/AfxWin.h"
#include "foundation/values/Decimal.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SelectedObject.h"
#include "output/printing/MyDC.h"

#include <optional>

class CPrinterPaperConfig;

class CPrinterData
{
public:
    CPrinterData();
    virtual ~CPrinterData();
    CPrinterData(const CPrinterData&) = delete;
    CPrinterData& operator=(const CPrinterData&) = delete;

    // Sets the printer up for the configuration; an error text, empty on
    // success. Mode bit 0: the print area is the whole page.
    CString CreateForConfig(const CPrinterPaperConfig& config, int mode);
    // Display names of the device mode's paper source and size.
    void GetPaperAndTrayNames(LPCTSTR printerName, LPCTSTR port, HGLOBAL devModeBlock, const DEVMODEA* devMode,
                              CString* trayName, CString* paperName);
    // The description of the printer this data was made for.
    CString GetPrinterDescription() const;

    void SetAbortProc(ABORTPROC procedure);
    BOOL StartDoc(const DOCINFOA* info);
    BOOL StartPage();
    BOOL EndPage();
    BOOL EndDoc();
    void AbortDoc();
    // Picture output: the file name of the page with that number (none
    // for 0).
    CString MakePageFileName(int number) const;
    // Sets up picture output without a printer: pages of the given size
    // (inches) at the resolution are drawn on a memory DC into a page-sized
    // bitmap and saved as files of the kind (4 JPEG, 5 PNG, 7 BMP) named
    // after the path. The configuration gives the margins.
    CString CreateForImages(const CPrinterPaperConfig& config, LPCTSTR path, int imageKind, int resolution,
                            double pageWidth, double pageHeight);
    CDC* GetDC() { return m_dc.m_hDC != NULL ? &m_dc : NULL; }
    int GetLabelCount() const { return (int)m_labelPrintAreas.GetSize(); }

    DWORD m_imageOutput;
    CString m_driverName;
    CString m_printerName;
    CString m_portName;
    HGLOBAL m_devModeInUse;
    CMyDC m_dc;
    CString m_trayName;
    CString m_paperDescription;
    int m_xResolution;
    int m_yResolution;
    int m_colourBits;
    RECT m_pageRect;
    CDecimal m_pageWidth;
    CDecimal m_pageHeight;
    RECT m_printArea;
    CDecimal m_printAreaWidth;
    CDecimal m_printAreaHeight;
    CDecimal m_leftGap, m_topGap, m_rightGap, m_bottomGap;
    RECT m_physicalPage;
    CDecimal m_measuredLeftGap, m_measuredTopGap, m_measuredRightGap, m_measuredBottomGap;
    int m_labelRows;
    int m_labelColumns;
    CArray<RECT, const RECT&> m_labelPrintAreas;
    CArray<RECT, const RECT&> m_labelPages;
    DWORD m_flags;
    CString m_outputPath;
    int m_imageKind;
    int m_frameWidth;
    COLORREF m_background;
    CString m_nameSuffix;
    int m_pageNumber;
    CString m_currentFileName;
    COwnedGdiObject<HBITMAP> m_pageBitmap;
    HGLOBAL m_ownDevMode;

private:
    void DeleteDC();
    // The page rectangle around the printable area for these gaps.
    RECT PageForGaps(const CDecimal& left, const CDecimal& top, const CDecimal& right, const CDecimal& bottom,
                     int horizontal, int vertical) const;
    BOOL SavePageImage();

    // FALSE when the margins together leave no printable area.
    BOOL SetPrintArea(const CPrinterPaperConfig& config, int mode);
    // The page bitmap, selected into the memory DC while an image page is drawn.
    std::optional<CSelectedObject> m_pageSelection;
};
