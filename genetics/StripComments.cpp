#include "genetics/StripComments.h"

void StripComments(CStringArray& lines, char commentChar, CDWordArray* lineNumbers)
{
    for (int i = 0; i < lines.GetSize(); i++)
    {
        const int at = lines[i].Find(commentChar);
        if (at < 0)
            continue;
        if (at == 0 && lineNumbers != NULL)
        {
            lines.RemoveAt(i);
            lineNumbers->RemoveAt(i);
            i--;
        }
        else
        {
            lines.SetAt(i, lines[i].Left(at));
        }
    }
}
