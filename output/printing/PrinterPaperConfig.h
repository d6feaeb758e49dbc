#pragma once
// A printer/paper configuration: which printer (the default one, or one
// named printer with its driver settings), orientation, margins, colour and
// the calibrated unprintable gaps; kept by name as one line of text.
#include "afx/app/AfxWin.h"
#include "framework/named/NamedObject.h"
#include "foundation/terminology/NamedStringMap.h"
#include "foundation/values/Decimal.h"

class CPrinterPaperConfig : public CNamedObject
{
    DECLARE_DYNCREATE(CPrinterPaperConfig)

public:
    enum { KindCode = 53 };

    CPrinterPaperConfig();
    ~CPrinterPaperConfig() override;
    CPrinterPaperConfig(const CPrinterPaperConfig&) = delete;
    CPrinterPaperConfig& operator=(const CPrinterPaperConfig&) = delete;

    CMyCmdTarget* Clone() const override;
    BOOL IsEqual(const CMyCmdTarget* other) const override;

    // Releases the device mode, then the defaults.
    void Reset();
    CString WriteText() const;
    // 1 when the text form was read; 0 leaves what was read so far.
    int ReadText(LPCTSTR text);
    // The printer and the orientation.
    CString Describe() const;

    // The defaults; a device mode is released first.
    void SetDefaults() override;
    CString GetText() const override { return WriteText(); }
    BOOL SetText(LPCTSTR text) override { return ReadText(text); }
    CString GetDescription() const override { return Describe(); }
    // Runs the printer/paper settings dialog (parameter 2 = 1: the margins
    // alone) on a copy; 1 when the user confirmed it and the copy was taken.
    int EditProperties(CWnd* parent, LPCTSTR title, BOOL isNew, int parameter1, int parameter2) override;
    // Mode 1 (margins only) has its own tip and title.
    CString GetPropertiesTip(LPCTSTR kindName, int mode) const override;
    CString GetPropertiesTitle(LPCTSTR kindName, int mode) const override;
    // Copies everything but the kind code; the device mode as a new block.
    // The caller has released this configuration's own block first.
    void CopyFrom(const CPrinterPaperConfig& source);
    void ReleaseDevMode();
    // Reads the configuration stored under the name; 1 when found and read.
    int LoadFromMap(const CNamedStringMap& texts, LPCTSTR name);
    BOOL NamesPrinter() const { return !m_printerName.IsEmpty(); }

    CString m_driverName;
    CString m_printerName;
    CString m_portName;
    HGLOBAL m_devMode;
    DWORD m_landscape;
    DWORD m_colourEnabled;
    CDecimal m_topMargin;
    CDecimal m_leftMargin;
    CDecimal m_bottomMargin;
    CDecimal m_rightMargin;
    DWORD m_calibrated;
    CDecimal m_topGap;
    CDecimal m_leftGap;
    CDecimal m_bottomGap;
    CDecimal m_rightGap;
    DWORD m_orientationChangeable;
};
