#include "application/config/ConfigNotesText.h"

#include "application/viewer/TextViewerDlg.h"
#include "genetics/ExpandTerms.h"

namespace
{
// The reflowed notes with an empty line after each paragraph: a paragraph
// that ends in a line break alone looks like one more wrapped line.
CString SpaceParagraphs(const CString& notes)
{
    CString spaced;
    int from = 0;
    for (int breakAt = notes.Find("\r\n"); breakAt >= 0; breakAt = notes.Find("\r\n", from))
    {
        int end = breakAt;
        while (end + 1 < notes.GetLength() && notes[end] == '\r' && notes[end + 1] == '\n')
            end += 2;
        spaced += notes.Mid(from, end - from);
        spaced += "\r\n";
        from = end;
    }
    return from == 0 ? notes : spaced + notes.Mid(from);
}
}  // namespace

CString BuildConfigNotesText(const CString& notes)
{
    if (notes.IsEmpty())
        return CString();
    return ExpandTerms("These notes come with the genetics configuration that ~AppName~ uses. They describe its "
                       "genes, the alleles you can type and what its rules make of them.\r\n\r\n") +
           SpaceParagraphs(notes);
}

void ShowConfigNotes(CWnd* owner, LPCTSTR title, LPCTSTR printTitle, const CString& notes)
{
    CTextViewerDlg viewer(VIEWER_CLOSE_BUTTON | VIEWER_NO_COPY | VIEWER_FIT_LINES, owner);
    viewer.SetTitle("%s", title);
    viewer.m_printTitle = printTitle;
    viewer.m_printTitleSet = TRUE;
    viewer.SetText(BuildConfigNotesText(notes));
    viewer.DoModal();
}
