#include "genetics/StripComments.h"

void StripComments(CStringArray& lines, char commentChar, CDWordArray* lineNumbers)
{
    // Whole-line comments are dropped (when the lines are numbered) in one
    // pass that moves every other line down once.
    int kept = 0;
    const int count = (int)lines.GetSize();
    for (int i = 0; i < count; i++)
    {
        const int at = lines[i].Find(commentChar);
        if (at == 0 && lineNumbers != NULL)
            continue;
        if (at >= 0)
            lines.SetAt(kept, lines[i].Left(at));
        else if (kept != i)
            lines.SetAt(kept, lines[i]);
        if (lineNumbers != NULL && kept != i)
            lineNumbers->SetAt(kept, lineNumbers->GetAt(i));
        kept++;
    }
    lines.SetSize(kept);
    if (lineNumbers != NULL)
        lineNumbers->SetSize(kept);
}
