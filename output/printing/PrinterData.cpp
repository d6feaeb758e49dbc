#include "output/printing/PrinterData.h"

#include <vector>

#include "foundation/files/ErrorText.h"
#include "foundation/files/LastErrorText.h"
#include "foundation/windows/GlobalBlocks.h"
#include "framework/app/SharedPensAndBrushes.h"
#include "output/printing/PrinterAccess.h"
#include "output/printing/DibImage.h"
#include "output/printing/PrinterDataCache.h"
#include "output/printing/PrinterMeasures.h"
#include "output/printing/PrinterPaperConfig.h"

namespace
{
const char* const NoPrintableArea = "the margins leave no printable area on the page";

int Dots(double inches, int resolution)
{
    return (int)(resolution * inches + 0.5);
}

// The wait cursor while the printer is set up.
class CWaitCursorScope
{
public:
    CWaitCursorScope() : m_previous(::SetCursor(::LoadCursor(NULL, IDC_WAIT))) {}
    ~CWaitCursorScope() { ::SetCursor(m_previous); }
    CWaitCursorScope(const CWaitCursorScope&) = delete;
    CWaitCursorScope& operator=(const CWaitCursorScope&) = delete;

private:
    HCURSOR m_previous;
};

// The device mode must hold at least its own declared sizes.
bool DevModeFits(HGLOBAL block, const DEVMODEA* devMode)
{
    SIZE_T size = ::GlobalSize(block);
    return size >= offsetof(DEVMODEA, dmFields) + sizeof(DWORD) && devMode->dmSize >= offsetof(DEVMODEA, dmFields) &&
           (SIZE_T)devMode->dmSize + devMode->dmDriverExtra <= size;
}
} // namespace

CPrinterData::CPrinterData()
    : m_imageOutput(0), m_devModeInUse(NULL), m_xResolution(0), m_yResolution(0), m_colourBits(0),
      m_pageWidth(8), m_pageHeight(8), m_printAreaWidth(8), m_printAreaHeight(8), m_leftGap(8), m_topGap(8),
      m_rightGap(8), m_bottomGap(8), m_measuredLeftGap(8), m_measuredTopGap(8), m_measuredRightGap(8),
      m_measuredBottomGap(8), m_labelRows(1), m_labelColumns(1), m_flags(0), m_imageKind(0), m_frameWidth(0),
      m_background(RGB(255, 255, 255)), m_pageNumber(1), m_ownDevMode(NULL)
{
    SetRectEmpty(&m_pageRect);
    SetRectEmpty(&m_printArea);
    SetRectEmpty(&m_physicalPage);
}

CPrinterData::~CPrinterData()
{
    DeleteDC();
    FreeGlobalBlock(&m_ownDevMode);
}

void CPrinterData::DeleteDC()
{
    m_pageSelection.reset();
    if (m_dc.m_hDC != NULL)
        m_dc.DeleteDC();
}

CString CPrinterData::GetPrinterDescription() const
{
    if (m_imageOutput)
        return m_outputPath;
    return ::GetPrinterDescription(m_printerName, m_portName);
}

RECT CPrinterData::PageForGaps(const CDecimal& left, const CDecimal& top, const CDecimal& right,
                               const CDecimal& bottom, int horizontal, int vertical) const
{
    RECT page;
    page.left = -Dots(left.GetValue(), m_xResolution);
    page.top = -Dots(top.GetValue(), m_yResolution);
    page.right = horizontal + Dots(right.GetValue(), m_xResolution);
    page.bottom = vertical + Dots(bottom.GetValue(), m_yResolution);
    return page;
}

BOOL CPrinterData::SetPrintArea(const CPrinterPaperConfig& config, int mode)
{
    if (mode & 1)
        m_printArea = m_pageRect;
    else
    {
        m_printArea.left = m_pageRect.left + Dots(config.m_leftMargin.GetValue(), m_xResolution);
        m_printArea.top = m_pageRect.top + Dots(config.m_topMargin.GetValue(), m_yResolution);
        m_printArea.right = m_pageRect.right - Dots(config.m_rightMargin.GetValue(), m_xResolution);
        m_printArea.bottom = m_pageRect.bottom - Dots(config.m_bottomMargin.GetValue(), m_yResolution);
    }
    m_pageWidth = Inches((double)(m_pageRect.right - m_pageRect.left) / m_xResolution);
    m_pageHeight = Inches((double)(m_pageRect.bottom - m_pageRect.top) / m_yResolution);
    m_printAreaWidth = Inches((double)(m_printArea.right - m_printArea.left) / m_xResolution);
    m_printAreaHeight = Inches((double)(m_printArea.bottom - m_printArea.top) / m_yResolution);
    m_labelPrintAreas.RemoveAll();
    m_labelPages.RemoveAll();
    m_labelPrintAreas.Add(m_printArea);
    m_labelPages.Add(m_pageRect);
    m_labelRows = m_labelColumns = 1;
    m_flags = config.m_colourEnabled ? 0 : 1;
    return m_printArea.right > m_printArea.left && m_printArea.bottom > m_printArea.top;
}

CString CPrinterData::CreateForConfig(const CPrinterPaperConfig& config, int mode)
{
    CWaitCursorScope wait;
    FreeGlobalBlock(&m_ownDevMode);
    m_devModeInUse = NULL;
    DeleteDC();

    if (config.NamesPrinter())
    {
        m_driverName = config.m_driverName;
        m_printerName = config.m_printerName;
        m_portName = config.m_portName;
        m_devModeInUse = config.m_devMode;
    }
    else if (!GetDefaultPrinterInfo(&m_driverName, &m_printerName, &m_portName) || m_printerName.IsEmpty())
        return "system default printer not set";

    // The configuration's own block is never changed: the orientation is
    // set on a copy.
    m_ownDevMode = m_devModeInUse != NULL ? CopyGlobalBlock(m_devModeInUse) : GetPrinterDevMode(m_printerName);
    if (m_ownDevMode == NULL)
        return "unable to create default printer data settings: " + GetLastErrorText();
    m_devModeInUse = m_ownDevMode;

    m_trayName.Empty();
    m_paperDescription.Empty();
    DEVMODEA* devMode = (DEVMODEA*)::GlobalLock(m_devModeInUse);
    if (devMode == NULL)
        return "can't access printer data settings";
    if (!DevModeFits(m_devModeInUse, devMode))
    {
        ::GlobalUnlock(m_devModeInUse);
        return "can't access printer data settings";
    }
    GetPaperAndTrayNames(m_printerName, m_portName, m_devModeInUse, devMode, &m_trayName, &m_paperDescription);
    m_paperDescription += config.m_landscape ? ", landscape" : ", portrait";
    devMode->dmFields |= DM_ORIENTATION;
    devMode->dmOrientation = config.m_landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;

    HDC dc = ::CreateDCA(m_driverName, m_printerName, m_portName, devMode);
    CString error = dc == NULL ? GetLastErrorText() : CString();
    ::GlobalUnlock(m_devModeInUse);
    if (dc == NULL)
        return error;
    m_dc.Attach(dc);
    m_dc.m_bPrinting = TRUE;

    m_xResolution = m_dc.GetDeviceCaps(LOGPIXELSX);
    m_yResolution = m_dc.GetDeviceCaps(LOGPIXELSY);
    m_colourBits = m_dc.GetDeviceCaps(PLANES) * m_dc.GetDeviceCaps(BITSPIXEL);
    if (m_colourBits > 24)
        m_colourBits = 24;
    if (m_xResolution <= 0 || m_yResolution <= 0)
    {
        DeleteDC();
        return "can't access printer data settings";
    }
    m_dc.SetResolution(m_xResolution, m_yResolution);
    int horizontal = m_dc.GetDeviceCaps(HORZRES);
    int vertical = m_dc.GetDeviceCaps(VERTRES);
    int offsetX = m_dc.GetDeviceCaps(PHYSICALOFFSETX);
    int offsetY = m_dc.GetDeviceCaps(PHYSICALOFFSETY);
    int physicalWidth = m_dc.GetDeviceCaps(PHYSICALWIDTH);
    int physicalHeight = m_dc.GetDeviceCaps(PHYSICALHEIGHT);
    m_measuredLeftGap = Inches((double)offsetX / m_xResolution);
    m_measuredTopGap = Inches((double)offsetY / m_yResolution);
    m_measuredRightGap = Inches((double)(physicalWidth - horizontal - offsetX) / m_xResolution);
    m_measuredBottomGap = Inches((double)(physicalHeight - vertical - offsetY) / m_yResolution);
    m_physicalPage = PageForGaps(m_measuredLeftGap, m_measuredTopGap, m_measuredRightGap, m_measuredBottomGap,
                                 horizontal, vertical);
    if (config.m_calibrated)
    {
        m_leftGap = config.m_leftGap;
        m_topGap = config.m_topGap;
        m_rightGap = config.m_rightGap;
        m_bottomGap = config.m_bottomGap;
    }
    else
    {
        m_leftGap = m_measuredLeftGap;
        m_topGap = m_measuredTopGap;
        m_rightGap = m_measuredRightGap;
        m_bottomGap = m_measuredBottomGap;
    }
    m_pageRect = PageForGaps(m_leftGap, m_topGap, m_rightGap, m_bottomGap, horizontal, vertical);
    if (!SetPrintArea(config, mode))
    {
        DeleteDC();
        return NoPrintableArea;
    }
    return CString();
}

CString CPrinterData::CreateForImages(const CPrinterPaperConfig& config, LPCTSTR path, int imageKind,
                                      int resolution, double pageWidth, double pageHeight)
{
    DeleteDC();
    m_pageBitmap.Reset();
    if (resolution < 1 || pageWidth <= 0 || pageHeight <= 0)
        return "invalid page size";
    m_xResolution = m_yResolution = resolution;
    m_colourBits = 24;
    m_pageRect.left = m_pageRect.top = 0;
    m_pageRect.right = Dots(pageWidth, resolution);
    m_pageRect.bottom = Dots(pageHeight, resolution);
    m_physicalPage = m_pageRect;
    m_leftGap = m_topGap = m_rightGap = m_bottomGap = Inches(0);
    m_measuredLeftGap = m_measuredTopGap = m_measuredRightGap = m_measuredBottomGap = Inches(0);
    if (!SetPrintArea(config, 0))
        return NoPrintableArea;

    // Pages are drawn on a memory DC into a 24-bit page bitmap with room for
    // the frame and its shadow.
    HDC screen = ::GetDC(NULL);
    COwnedDC memory(::CreateCompatibleDC(screen));
    ::ReleaseDC(NULL, screen);
    if (!memory)
        return GetLastErrorText();
    BITMAPINFO info;
    memset(&info, 0, sizeof(info));
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = m_pageRect.right + 2 * m_frameWidth;
    info.bmiHeader.biHeight = m_pageRect.bottom + 2 * m_frameWidth;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = NULL;
    m_pageBitmap.Reset(::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, NULL, 0));
    if (!m_pageBitmap)
        return "not enough memory for the page image";
    m_dc.Attach(memory.Release());
    m_dc.SetResolution(resolution, resolution);
    m_imageOutput = 1;
    m_outputPath = path;
    m_imageKind = imageKind;
    m_pageNumber = 1;
    m_currentFileName.Empty();
    m_printerName.Empty();
    m_portName.Empty();
    m_driverName.Empty();
    return CString();
}

void CPrinterData::GetPaperAndTrayNames(LPCTSTR printerName, LPCTSTR port, HGLOBAL devModeBlock,
                                        const DEVMODEA* devMode, CString* trayName, CString* paperName)
{
    CString key;
    key.Format("%s,%s,%s", printerName, port, (LPCTSTR)GlobalBlockToHex(devModeBlock, ':'));
    CNamedStringMap& trays = CachedTrayNames();
    CNamedStringMap& papers = CachedPaperNames();
    if (trays.Lookup(key, *trayName) && papers.Lookup(key, *paperName))
        return;
    trayName->Empty();
    paperName->Empty();

    int bins = ::DeviceCapabilitiesA(printerName, port, DC_BINNAMES, NULL, devMode);
    int papersCount = ::DeviceCapabilitiesA(printerName, port, DC_PAPERNAMES, NULL, devMode);
    if (bins >= 0 && papersCount >= 0)
    {
        size_t size = (size_t)bins * 24 > (size_t)papersCount * 64 ? (size_t)bins * 24 : (size_t)papersCount * 64;
        if (size < 40000 && size > 0)
        {
            std::vector<char> buffer(size + 64, 0);
            std::vector<WORD> numbers((size_t)(bins > papersCount ? bins : papersCount) + 1, 0);
            if (bins > 0 && ::DeviceCapabilitiesA(printerName, port, DC_BINS, (LPSTR)numbers.data(), devMode) == bins)
                for (int i = 0; i < bins; ++i)
                    if (numbers[i] == devMode->dmDefaultSource &&
                        ::DeviceCapabilitiesA(printerName, port, DC_BINNAMES, buffer.data(), devMode) == bins)
                    {
                        *trayName = CString(buffer.data() + 24 * i, (int)strnlen(buffer.data() + 24 * i, 24));
                        break;
                    }
            if (papersCount > 0 &&
                ::DeviceCapabilitiesA(printerName, port, DC_PAPERS, (LPSTR)numbers.data(), devMode) == papersCount)
                for (int i = 0; i < papersCount; ++i)
                    if (numbers[i] == devMode->dmPaperSize &&
                        ::DeviceCapabilitiesA(printerName, port, DC_PAPERNAMES, buffer.data(), devMode) ==
                            papersCount)
                    {
                        *paperName = CString(buffer.data() + 64 * i, (int)strnlen(buffer.data() + 64 * i, 64));
                        break;
                    }
        }
    }
    trays.SetAt(key, *trayName);
    papers.SetAt(key, *paperName);
}

void CPrinterData::SetAbortProc(ABORTPROC procedure)
{
    if (!m_imageOutput && m_dc.m_hDC != NULL)
        ::SetAbortProc(m_dc.m_hDC, procedure);
}

BOOL CPrinterData::StartDoc(const DOCINFOA* info)
{
    if (m_dc.m_hDC == NULL)
        return FALSE;
    if (m_imageOutput)
        return TRUE;
    return ::StartDocA(m_dc.m_hDC, info) > 0;
}

BOOL CPrinterData::StartPage()
{
    if (!m_imageOutput)
        return m_dc.m_hDC != NULL && ::StartPage(m_dc.m_hDC) > 0;

    m_pageSelection.emplace(m_dc.m_hDC, m_pageBitmap);
    if (m_pageSelection->Previous() == NULL)
    {
        m_pageSelection.reset();
        return FALSE;
    }
    int w = m_frameWidth;
    int right = m_pageRect.right + w;
    int bottom = m_pageRect.bottom + w;
    ::SetViewportOrgEx(m_dc.m_hDC, 0, 0, NULL);
    if (w > 0)
    {
        RECT black[] = {{0, 0, w, bottom + w}, {right, 0, right + w, bottom + w}, {0, 0, right + w, w},
                        {0, bottom, right + w, bottom + w}};
        for (const RECT& strip : black)
            m_dc.FillSolidRect(&strip, RGB(0, 0, 0));
        RECT grey[] = {{right + w, w, right + 2 * w, bottom + 2 * w}, {w, bottom + w, right + 2 * w, bottom + 2 * w}};
        for (const RECT& strip : grey)
            m_dc.FillSolidRect(&strip, RGB(0x7F, 0x7F, 0x7F));
        RECT white[] = {{right + w, 0, right + 2 * w, w}, {0, bottom + w, w, bottom + 2 * w}};
        for (const RECT& corner : white)
            m_dc.FillSolidRect(&corner, RGB(255, 255, 255));
    }
    ::SetViewportOrgEx(m_dc.m_hDC, w, w, NULL);
    if (m_background == 0xFF000000 || m_background == 0xFFFFFFFF)
        ::FillRect(m_dc.m_hDC, &m_pageRect, SharedWhiteBrush());
    else
        m_dc.FillSolidRect(&m_pageRect, m_background);

    if (!m_currentFileName.IsEmpty() && m_pageNumber == 2)
    {
        // The first page's file takes its number once a second page starts.
        CString numbered = MakePageFileName(1);
        ::DeleteFileA(numbered);
        if (!::MoveFileA(m_currentFileName, numbered))
            return FALSE;
        m_currentFileName = numbered;
    }
    return TRUE;
}

BOOL CPrinterData::EndPage()
{
    if (!m_imageOutput)
        return m_dc.m_hDC != NULL && ::EndPage(m_dc.m_hDC) > 0;

    m_currentFileName = MakePageFileName(m_pageNumber == 1 ? 0 : m_pageNumber);
    ++m_pageNumber;
    ::GdiFlush();
    m_pageSelection.reset();
    return SavePageImage();
}

BOOL CPrinterData::SavePageImage()
{
    int format = m_imageKind == 4 ? IMAGE_JPEG : m_imageKind == 5 ? IMAGE_PNG : m_imageKind == 7 ? IMAGE_BMP : -1;
    if (format < 0)
        return FALSE;
    CWaitCursorScope wait;
    CDibImage image(IMAGE_BMP);
    image.SetXDpi(m_xResolution);
    image.SetYDpi(m_yResolution);
    return image.CreateFromBitmap(m_pageBitmap) && image.SaveToFile(m_currentFileName, format);
}

BOOL CPrinterData::EndDoc()
{
    if (!m_imageOutput)
        return m_dc.m_hDC != NULL && ::EndDoc(m_dc.m_hDC) > 0;
    m_pageSelection.reset();
    return TRUE;
}

void CPrinterData::AbortDoc()
{
    if (!m_imageOutput)
    {
        if (m_dc.m_hDC != NULL)
            ::AbortDoc(m_dc.m_hDC);
        return;
    }
    m_pageSelection.reset();
}

CString CPrinterData::MakePageFileName(int number) const
{
    CString path = m_outputPath;
    int slash = path.ReverseFind('\\');
    int dot = path.ReverseFind('.');
    CString folderAndStem = dot > slash ? path.Left(dot) : path;
    CString extension = dot > slash ? path.Mid(dot + 1) : CString();
    CString name = folderAndStem + m_nameSuffix;
    if (number > 0)
    {
        CString suffix;
        suffix.Format("_%d", number);
        name += suffix;
    }
    return extension.IsEmpty() ? name : name + "." + extension;
}
