#include "output/printing/PrinterPaperConfig.h"

#include "foundation/settings/StringListCodec.h"
#include "foundation/values/ValueText.h"
#include "foundation/windows/GlobalBlocks.h"
#include "output/printing/PrinterAccess.h"
#include "output/printing/PrinterDialogIds.h"
#include "output/printing/PrinterMeasures.h"
#include "output/printing/PrinterPaperConfigDlg.h"

IMPLEMENT_DYNCREATE(CPrinterPaperConfig, CNamedObject)

namespace
{
// Item counts of the two versions of the text form.
const int VersionAItems = 16;
const int VersionBItems = 17;

bool ReadFlag(const CString& text, DWORD* flag)
{
    TriState value = 0;
    if (!ParseTriState(text, &value))
        return false;
    *flag = (DWORD)value;
    return true;
}

bool ReadLength(const CString& text, CDecimal* length)
{
    CDecimal value(8);
    if (!value.ParseMeasurement(text))
        return false;
    *length = value;
    return true;
}
} // namespace

CPrinterPaperConfig::CPrinterPaperConfig() : m_devMode(NULL)
{
    SetDefaults();
}

CString CPrinterPaperConfig::GetPropertiesTip(LPCTSTR kindName, int mode) const
{
    return mode == 1 ? CString("Click here to alter the print margins.") : CNamedObject::GetPropertiesTip(kindName, mode);
}

CString CPrinterPaperConfig::GetPropertiesTitle(LPCTSTR kindName, int mode) const
{
    return mode == 1 ? CString("Print Margins") : CNamedObject::GetPropertiesTitle(kindName, mode);
}

CPrinterPaperConfig::~CPrinterPaperConfig()
{
    ReleaseDevMode();
}

void CPrinterPaperConfig::SetDefaults()
{
    ReleaseDevMode();
    m_kindCode = KindCode;
    m_driverName.Empty();
    m_printerName.Empty();
    m_portName.Empty();
    m_landscape = 0;
    m_colourEnabled = 1;
    m_topMargin = m_leftMargin = m_bottomMargin = m_rightMargin = Inches(0.5);
    m_calibrated = 0;
    m_topGap = m_leftGap = m_bottomGap = m_rightGap = Inches(0);
    m_orientationChangeable = 1;
}

void CPrinterPaperConfig::ReleaseDevMode()
{
    FreeGlobalBlock(&m_devMode);
}

void CPrinterPaperConfig::Reset()
{
    ReleaseDevMode();
    SetDefaults();
}

void CPrinterPaperConfig::CopyFrom(const CPrinterPaperConfig& source)
{
    if (&source == this)
        return;
    ReleaseDevMode();
    m_devMode = source.m_devMode != NULL ? CopyGlobalBlock(source.m_devMode) : NULL;
    m_landscape = source.m_landscape;
    m_driverName = source.m_driverName;
    m_printerName = source.m_printerName;
    m_portName = source.m_portName;
    m_topMargin = source.m_topMargin;
    m_leftMargin = source.m_leftMargin;
    m_bottomMargin = source.m_bottomMargin;
    m_rightMargin = source.m_rightMargin;
    m_calibrated = source.m_calibrated;
    m_topGap = source.m_topGap;
    m_leftGap = source.m_leftGap;
    m_bottomGap = source.m_bottomGap;
    m_rightGap = source.m_rightGap;
    m_colourEnabled = source.m_colourEnabled;
    m_orientationChangeable = source.m_orientationChangeable;
}

CMyCmdTarget* CPrinterPaperConfig::Clone() const
{
    CPrinterPaperConfig* copy = new CPrinterPaperConfig;
    copy->CopyFrom(*this);
    return copy;
}

BOOL CPrinterPaperConfig::IsEqual(const CMyCmdTarget* other) const
{
    const CPrinterPaperConfig* config =
        DYNAMIC_DOWNCAST(CPrinterPaperConfig, const_cast<CMyCmdTarget*>(other));
    if (config == NULL || config->m_kindCode != m_kindCode)
        return FALSE;
    if (config->m_driverName != m_driverName || config->m_printerName != m_printerName ||
        config->m_portName != m_portName)
        return FALSE;
    if (!FlagsAgree(config->m_landscape, m_landscape))
        return FALSE;
    if (m_topMargin.Compare(config->m_topMargin) != 0 || m_leftMargin.Compare(config->m_leftMargin) != 0 ||
        m_bottomMargin.Compare(config->m_bottomMargin) != 0 || m_rightMargin.Compare(config->m_rightMargin) != 0)
        return FALSE;
    if (!FlagsAgree(config->m_calibrated, m_calibrated) || !FlagsAgree(config->m_colourEnabled, m_colourEnabled))
        return FALSE;
    if (m_calibrated && (m_topGap.Compare(config->m_topGap) != 0 || m_leftGap.Compare(config->m_leftGap) != 0 ||
                         m_bottomGap.Compare(config->m_bottomGap) != 0 ||
                         m_rightGap.Compare(config->m_rightGap) != 0))
        return FALSE;
    if (!CompareGlobalBlocks(m_devMode, config->m_devMode))
        return FALSE;
    return FlagsAgree(config->m_orientationChangeable, m_orientationChangeable);
}

CString CPrinterPaperConfig::WriteText() const
{
    CStringArray items;
    items.Add("b");
    items.Add(m_driverName);
    items.Add(m_printerName);
    items.Add(m_portName);
    items.Add(m_devMode != NULL ? GlobalBlockToHex(m_devMode, ':') : CString());
    items.Add(m_topMargin.FormatMeasurement());
    items.Add(m_leftMargin.FormatMeasurement());
    items.Add(m_bottomMargin.FormatMeasurement());
    items.Add(m_rightMargin.FormatMeasurement());
    items.Add(TriStateToLetter((TriState)m_landscape));
    items.Add(TriStateToLetter((TriState)m_calibrated));
    items.Add(m_topGap.FormatMeasurement());
    items.Add(m_leftGap.FormatMeasurement());
    items.Add(m_bottomGap.FormatMeasurement());
    items.Add(m_rightGap.FormatMeasurement());
    items.Add(TriStateToLetter((TriState)m_colourEnabled));
    items.Add(TriStateToLetter((TriState)m_orientationChangeable));
    return EncodeStringList(items);
}

int CPrinterPaperConfig::ReadText(LPCTSTR text)
{
    Reset();
    CStringArray items;
    if (!DecodeStringList(text, items) || items.GetSize() == 0)
        return 0;
    bool versionB = items[0] == "b";
    if (!versionB && items[0] != "a")
        return 0;
    if (items.GetSize() != (versionB ? VersionBItems : VersionAItems))
        return 0;
    m_driverName = items[1];
    m_printerName = items[2];
    m_portName = items[3];
    m_devMode = items[4].IsEmpty() ? NULL : HexToGlobalBlock(items[4], GMEM_MOVEABLE | GMEM_ZEROINIT, ':');
    if (!ReadLength(items[5], &m_topMargin) || !ReadLength(items[6], &m_leftMargin) ||
        !ReadLength(items[7], &m_bottomMargin) || !ReadLength(items[8], &m_rightMargin))
        return 0;
    if (!ReadFlag(items[9], &m_landscape) || !ReadFlag(items[10], &m_calibrated))
        return 0;
    if (!ReadLength(items[11], &m_topGap) || !ReadLength(items[12], &m_leftGap) ||
        !ReadLength(items[13], &m_bottomGap) || !ReadLength(items[14], &m_rightGap))
        return 0;
    bool anyName = !m_driverName.IsEmpty() || !m_printerName.IsEmpty() || !m_portName.IsEmpty();
    bool allNames = !m_driverName.IsEmpty() && !m_printerName.IsEmpty() && !m_portName.IsEmpty();
    if (m_devMode == NULL ? anyName : !allNames)
        return 0;
    if (!ReadFlag(items[15], &m_colourEnabled))
        return 0;
    if (versionB)
    {
        if (!ReadFlag(items[16], &m_orientationChangeable))
            return 0;
    }
    else
        m_orientationChangeable = 1;
    return 1;
}

CString CPrinterPaperConfig::Describe() const
{
    return GetPrinterDescription(m_printerName, m_portName) + ", " + (m_landscape ? "landscape" : "portrait");
}

int CPrinterPaperConfig::LoadFromMap(const CNamedStringMap& texts, LPCTSTR name)
{
    CString text;
    if (name == NULL || !texts.Lookup(name, text))
        return 0;
    return ReadText(text);
}

int CPrinterPaperConfig::EditProperties(CWnd* parent, LPCTSTR title, BOOL isNew, int parameter1, int parameter2)
{
    CPrinterPaperConfigDlg dialog(parameter2 == 1 ? IDD_PRINT_MARGINS : IDD_PRINTER_PAPER_SETTINGS, parent, this);
    dialog.m_config.CopyFrom(*this);
    if (title != NULL && *title != '\0')
        dialog.SetTitle("%s", title);
    if (dialog.DoModal() != IDOK)
        return 0;
    int kind = m_kindCode;
    CopyFrom(dialog.m_config);
    m_kindCode = kind;
    return 1;
}
