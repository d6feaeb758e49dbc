#pragma once
// A print job: something that can render content onto pages, with the
// printer data, header and footer texts and styles, the page rectangles and
// the running position on the page.
#include "afx/app/AfxWin.h"
#include "foundation/terminology/NamedStringMap.h"
#include "output/text/TextStyle.h"

class CPrinterData;
class CPrintAbortDlg;

// Options of a job.
enum PrintOptions
{
    PRINT_PAGE_NUMBERS = 1,
    PRINT_ASK_STARTING_LABEL = 2,
    PRINT_DATE_AND_TIME = 4
};

class CPrintSource
{
public:
    CPrintSource();
    virtual ~CPrintSource();
    CPrintSource(const CPrintSource&) = delete;
    CPrintSource& operator=(const CPrintSource&) = delete;

    // Draws the content; FALSE stops the job.
    virtual BOOL Render() = 0;
    virtual CString GetHeader1() { return m_header1; }
    virtual CString GetHeader2() { return m_header2; }
    virtual CString GetHeader3() { return m_header3; }
    virtual CString GetFooter() { return m_footer; }

    // Runs one job; TRUE when it ran to its end.
    BOOL Print(const CNamedStringMap* fieldMap, CWnd* parent, CPrinterData* printerData, int copies, LPCTSTR title,
               LPCTSTR header1, LPCTSTR header2, LPCTSTR header3, LPCTSTR footer, DWORD options, int labels);

    // For Render: the current position, opening a page when none is open or
    // the page is full (reported through newPage); 0 once stopped.
    int GetCurrentY(BOOL* newPage = NULL);
    int GetRemainingHeight();
    void EnsureSpace(int height);
    void NewPage();
    CDC* GetDC() const;

    CPrinterData* m_printerData;
    const CNamedStringMap* m_fieldMap;
    DWORD m_options;
    CString m_jobTitle;
    BOOL m_stopped;
    RECT m_page;
    RECT m_printArea;
    RECT m_content;
    int m_y;
    CPrintAbortDlg* m_abortDlg;
    BOOL m_pageOpen;
    CTextStyle m_headerStyle;
    CFont m_headerFont;
    TEXTMETRIC m_headerMetrics;
    CTextStyle m_footerStyle;
    CFont m_footerFont;
    TEXTMETRIC m_footerMetrics;
    CString m_header1, m_header2, m_header3, m_footer;
    int m_copies;
    int m_copy;
    int m_pageInCopy;
    int m_pagesOutput;
    int m_labelsOutput;
    int m_labelsToPrint;
    int m_startingRow;
    int m_startingColumn;
    int m_labelIndex;
    CString m_dateText;

private:
    // On a label sheet: the starting label asked for (option), else the
    // label-printer error; FALSE ends the job.
    BOOL AskStartingLabel(CWnd* parent);
    void LayoutLabel(int position);
    void DrawMarginText(LPCTSTR text, BOOL header, int placement);
    void MakeStyleFont(LPCTSTR name, LPCTSTR fallback, CTextStyle& style, CFont& font, TEXTMETRIC& metrics);
};
