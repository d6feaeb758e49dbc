#pragma once
// A printer/paper configuration: which printer (the default one, or one
// named printer with its driver settings), orientation, margins, colour and
// the calibrated unprintable gaps; kept by name as one line of text.
#include "afx/AfxWin.h"
#include "foundation/containers/MyCmdTarget.h"
#include "foundation/terminology/NamedStringMap.h"
#include "foundation/values/Decimal.h"

class CPrinterPaperConfig : public CMyCmdTarget
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
    virtual void Reset();
    virtual CString WriteText() const;
    // 1 when the text form was read; 0 leaves what was read so far.
    virtual int ReadText(LPCTSTR text);
    virtual CString Describe() const;

    // The defaults; forgets the device mode without releasing it.
    void SetDefaults();
    // Copies everything but the kind code; the device mode as a new block.
    // The caller has released this configuration's own block first.
    void CopyFrom(const CPrinterPaperConfig& source);
    void ReleaseDevMode();
    // Reads the configuration stored under the name; 1 when found and read.
    int LoadFromMap(const CNamedStringMap& texts, LPCTSTR name);
    BOOL NamesPrinter() const { return !m_printerName.IsEmpty(); }

    int m_kindCode;
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
