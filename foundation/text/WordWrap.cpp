#include "foundation/text/WordWrap.h"
#include "foundation/text/InlineText100.h"
#include "foundation/text/LineBreaks.h"
#include "foundation/text/Trim.h"
#include "foundation/text/Whitespace.h"

#include <vector>

namespace
{
struct Run
{
    int start;
    int length;
};

void TakePiece(CInlineText100& piece, CStringArray& pieces)
{
    int length = TrimBufferRight(piece.Resize(piece.GetLength()), piece.GetLength());
    pieces.Add(CString(piece.GetText(), length));
    piece.Empty();
}

// Cuts a line into runs of alternating kind; a leading whitespace run is
// joined to the word after it. Returns false for a line of whitespace only.
bool CutIntoRuns(const char* chars, int length, std::vector<Run>& runs)
{
    int pos = 0;
    while (pos < length)
    {
        bool white = IsTextWhitespace(chars[pos]);
        int start = pos;
        while (pos < length && IsTextWhitespace(chars[pos]) == white)
            ++pos;
        runs.push_back(Run{start, pos - start});
    }
    if (IsTextWhitespace(chars[0]))
    {
        if (runs.size() == 1)
            return false;
        runs[0].length += runs[1].length;
        runs.erase(runs.begin() + 1);
    }
    return true;
}
}

void WrapTextLines(CStringArray* lines, const char* text, int maximumWidth)
{
    SplitTextAtCrLf(lines, text);
    if (maximumWidth < 1)
        return;

    for (int index = 0; index < lines->GetSize(); ++index)
    {
        CString line = lines->GetAt(index);
        int length = line.GetLength();
        if (length <= maximumWidth)
            continue;
        const char* chars = (const char*)line;

        std::vector<Run> runs;
        if (!CutIntoRuns(chars, length, runs))
        {
            lines->SetAt(index, CString());
            continue;
        }

        CStringArray pieces;
        CInlineText100 piece;
        for (int k = 0; k < (int)runs.size(); ++k)
        {
            const Run& run = runs[k];
            bool isWord = k % 2 == 0;
            if (!piece.IsEmpty() && isWord && piece.GetLength() + run.length > maximumWidth)
                TakePiece(piece, pieces);
            piece.Append(chars + run.start, run.length);
        }
        int lastLength = TrimBufferRight(piece.Resize(piece.GetLength()), piece.GetLength());
        if (lastLength > 0)
            pieces.Add(CString(piece.GetText(), lastLength));

        lines->SetAt(index, pieces[0]);
        for (int p = 1; p < pieces.GetSize(); ++p)
            lines->InsertAt(index + p, pieces[p]);
        index += (int)pieces.GetSize() - 1;
    }
}
