#include "output/printing/PrintSource.h"

#include "foundation/values/DateTimeText.h"
#include "foundation/values/NumberText.h"
#include "foundation/windows/Drawing.h"
#include "foundation/windows/SelectedObject.h"
#include "framework/messages/MessageRoutines.h"
#include "output/printing/PrintAbortDlg.h"
#include "output/printing/PrinterData.h"
#include "output/printing/StartingLabelDlg.h"

namespace
{
// Placements of the margin texts.
const int TopLeft = 6, TopCentre = 1, TopRight = 5, BottomLeft = 8, BottomCentre = 2, BottomRight = 7;

CString TextOrEmpty(LPCTSTR text)
{
    return text != NULL ? CString(text) : CString();
}
} // namespace

CPrintSource::CPrintSource()
    : m_printerData(NULL), m_fieldMap(NULL), m_options(0), m_stopped(FALSE), m_y(0), m_abortDlg(NULL),
      m_pageOpen(FALSE), m_copies(1), m_copy(0), m_pageInCopy(0), m_pagesOutput(0), m_labelsOutput(0),
      m_labelsToPrint(0), m_startingRow(0), m_startingColumn(0), m_labelIndex(0)
{
    m_headerStyle.SetDefault();
    m_footerStyle.SetDefault();
    memset(&m_headerMetrics, 0, sizeof(m_headerMetrics));
    memset(&m_footerMetrics, 0, sizeof(m_footerMetrics));
    SetRectEmpty(&m_page);
    SetRectEmpty(&m_printArea);
    SetRectEmpty(&m_content);
}

CPrintSource::~CPrintSource()
{
}

CDC* CPrintSource::GetDC() const
{
    return m_printerData != NULL ? m_printerData->GetDC() : NULL;
}

void CPrintSource::MakeStyleFont(LPCTSTR name, LPCTSTR fallback, CTextStyle& style, CFont& font,
                                 TEXTMETRIC& metrics)
{
    CString form;
    if (m_fieldMap != NULL && m_fieldMap->Lookup(name, form))
        style.SetFromNameOrText(*m_fieldMap, name);
    else
        style.FromText(fallback);
    style.CreateFont(GetDC(), NULL, &font, &metrics, 1.0);
}

BOOL CPrintSource::Print(const CNamedStringMap* fieldMap, CWnd* parent, CPrinterData* printerData, int copies,
                         LPCTSTR title, LPCTSTR header1, LPCTSTR header2, LPCTSTR header3, LPCTSTR footer,
                         DWORD options, int labels)
{
    if (printerData == NULL || printerData->GetDC() == NULL)
        return FALSE;
    m_printerData = printerData;
    m_fieldMap = fieldMap;
    m_copies = printerData->m_imageOutput || copies < 1 ? 1 : copies;
    m_options = options;
    m_labelsToPrint = (labels >= 1 ? labels : 0) * m_copies;
    m_header1 = TextOrEmpty(header1);
    m_header2 = TextOrEmpty(header2);
    m_header3 = TextOrEmpty(header3);
    m_footer = TextOrEmpty(footer);
    m_dateText = GetDateTimeText(DATETEXT_MONTH | DATETEXT_DAY | DATETEXT_YEAR | DATETEXT_TIME);

    m_startingRow = m_startingColumn = 0;
    if (printerData->GetLabelCount() > 1 && !AskStartingLabel(parent))
    {
        m_printerData = NULL;
        m_fieldMap = NULL;
        return FALSE;
    }
    printerData->SetAbortProc(PrintAbortProc);
    MakeStyleFont("Print Header", "Times New Roman,12,Bold", m_headerStyle, m_headerFont, m_headerMetrics);
    MakeStyleFont("Print Footer", "Times New Roman,8", m_footerStyle, m_footerFont, m_footerMetrics);
    LayoutLabel(0);

    if (title != NULL && *title != '\0')
        m_jobTitle = title;
    DOCINFOA info;
    memset(&info, 0, sizeof(info));
    info.cbSize = sizeof(info);
    info.lpszDocName = m_jobTitle;

    CPrintAbortDlg abortDlg;
    abortDlg.Open(parent, m_jobTitle, printerData->GetPrinterDescription(), printerData->GetLabelCount() > 1);
    m_abortDlg = &abortDlg;
    CWnd* owner = parent != NULL && ::IsWindow(parent->GetSafeHwnd()) ? parent : AfxGetMainWnd();
    if (owner != NULL && owner->GetSafeHwnd() != NULL)
        owner->EnableWindow(FALSE);

    BOOL started = printerData->StartDoc(&info);
    if (!started)
    {
        if (owner != NULL && owner->GetSafeHwnd() != NULL)
            owner->EnableWindow(TRUE);
        abortDlg.DestroyWindow();
        m_abortDlg = NULL;
        ShowError(NULL, 0, "unable to start printing");
        m_printerData = NULL;
        m_fieldMap = NULL;
        return FALSE;
    }

    m_stopped = FALSE;
    m_pagesOutput = m_labelsOutput = 0;
    m_pageOpen = FALSE;
    for (m_copy = 0; m_copy < m_copies && !m_stopped; ++m_copy)
    {
        m_pageInCopy = 0;
        if (!Render())
            m_stopped = TRUE;
        if (!m_stopped && m_pageOpen)
            m_y = m_content.bottom;
    }
    if (!m_stopped && m_pageOpen)
    {
        m_pageOpen = FALSE;
        if (!printerData->EndPage())
            m_stopped = TRUE;
    }
    if (abortDlg.IsCancelled())
        m_stopped = TRUE;
    if (m_stopped)
        printerData->AbortDoc();
    else if (!printerData->EndDoc())
        m_stopped = TRUE;

    if (owner != NULL && owner->GetSafeHwnd() != NULL)
        owner->EnableWindow(TRUE);
    if (parent != NULL && ::IsWindow(parent->GetSafeHwnd()))
        parent->BringWindowToTop();
    abortDlg.DestroyWindow();
    m_abortDlg = NULL;
    m_printerData = NULL;
    m_fieldMap = NULL;
    m_headerFont.DeleteObject();
    m_footerFont.DeleteObject();
    return !m_stopped;
}

BOOL CPrintSource::AskStartingLabel(CWnd* parent)
{
    if (!(m_options & PRINT_ASK_STARTING_LABEL))
    {
        ShowError(NULL, 0,
                  "Printer '%s' is configured for use with label printing.\n\nPlease use a printer that is "
                  "configured for use with plain paper",
                  (LPCTSTR)m_printerData->GetPrinterDescription());
        return FALSE;
    }
    CStartingLabelDlg dialog(parent, (int)m_printerData->m_labelRows, (int)m_printerData->m_labelColumns);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    m_startingRow = dialog.m_row;
    m_startingColumn = dialog.m_column;
    return TRUE;
}

void CPrintSource::LayoutLabel(int position)
{
    m_page = m_printerData->m_labelPages[position];
    m_printArea = m_printerData->m_labelPrintAreas[position];
    m_content = m_printArea;
    if (!GetHeader1().IsEmpty() || !GetHeader2().IsEmpty() || !GetHeader3().IsEmpty())
        m_content.top += m_headerMetrics.tmHeight + m_headerMetrics.tmExternalLeading +
                         m_printerData->m_yResolution / 8;
    if (!GetFooter().IsEmpty() || (m_options & (PRINT_PAGE_NUMBERS | PRINT_DATE_AND_TIME)))
        m_content.bottom -= m_footerMetrics.tmHeight + m_footerMetrics.tmExternalLeading +
                            m_printerData->m_yResolution / 12;
    m_y = m_content.top;
}

void CPrintSource::NewPage()
{
    if (m_stopped)
        return;
    int labelCount = m_printerData->GetLabelCount();
    for (;;)
    {
        if (!m_pageOpen)
        {
            if (!m_printerData->StartPage())
            {
                m_stopped = TRUE;
                return;
            }
            m_pageOpen = TRUE;
            ++m_pagesOutput;
            if (m_abortDlg != NULL)
                m_abortDlg->SetPageCount(m_pagesOutput);
            m_labelIndex = m_startingRow * m_printerData->m_labelColumns + m_startingColumn;
            m_startingRow = m_startingColumn = 0;
        }
        if (m_labelIndex < labelCount)
            break;
        m_pageOpen = FALSE;
        if (!m_printerData->EndPage())
        {
            m_stopped = TRUE;
            return;
        }
    }
    ++m_pageInCopy;
    ++m_labelsOutput;
    if (m_abortDlg != NULL)
        m_abortDlg->SetLabelCount(m_labelsOutput);
    LayoutLabel(m_labelIndex++);

    struct
    {
        CString text;
        BOOL header;
        int placement;
    } texts[] = {
        {GetHeader1(), TRUE, TopLeft},
        {GetHeader2(), TRUE, TopCentre},
        {GetHeader3(), TRUE, TopRight},
        {(m_options & PRINT_DATE_AND_TIME) ? m_dateText : CString(), FALSE, BottomLeft},
        {GetFooter(), FALSE, BottomCentre},
        {(m_options & PRINT_PAGE_NUMBERS) ? IntToString(m_pageInCopy) : CString(), FALSE, BottomRight},
    };
    for (const auto& entry : texts)
        if (!entry.text.IsEmpty())
            DrawMarginText(entry.text, entry.header, entry.placement);
}

void CPrintSource::DrawMarginText(LPCTSTR text, BOOL header, int placement)
{
    CDC* dc = GetDC();
    CSelectedObject marginFont(dc->m_hDC, (header ? m_headerFont : m_footerFont).GetSafeHandle());
    RECT band = m_printArea;
    if (header)
        band.bottom = m_content.top;
    else
        band.top = m_content.bottom;
    DrawAlignedText(dc, band, text, placement, DT_WORDBREAK | DT_NOPREFIX);
}

int CPrintSource::GetRemainingHeight()
{
    if (m_stopped)
        return 0;
    if (!(m_pageOpen && m_y < m_content.bottom))
        NewPage();
    return m_stopped ? 0 : m_content.bottom - m_y;
}

int CPrintSource::GetCurrentY(BOOL* newPage)
{
    if (newPage != NULL)
        *newPage = FALSE;
    if (m_stopped)
        return 0;
    if (!(m_pageOpen && m_y < m_content.bottom))
    {
        NewPage();
        if (newPage != NULL)
            *newPage = TRUE;
    }
    return m_stopped ? 0 : m_y;
}

void CPrintSource::EnsureSpace(int height)
{
    // Content taller than a whole page starts on the fresh page it has.
    if (height > GetRemainingHeight() && m_y > m_content.top)
        NewPage();
}
