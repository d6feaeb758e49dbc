#include "LongTextConfig.h"

namespace
{
CString Words(const char* stem, int gene, int count)
{
    CString words;
    for (int w = 0; w < count; w++)
    {
        CString word;
        word.Format(w == 0 ? "%s%dw%d" : " %s%dw%d", stem, gene, w);
        words += word;
    }
    return words;
}
}  // namespace

CString LongTextGenesText(int genes, int sayWords, int carriedWords, CString& heterozygous)
{
    CString text = "[genes Main]\nalways goto Traits\n";
    CString rules = "[rules Traits]\nbaseon Main\n";
    heterozygous.Empty();
    for (int g = 0; g < genes; g++)
    {
        CString line;
        line.Format("gene G%d P%d, q%d\n", g, g, g);
        text += line;
        line.Format("P%d,q%d ", g, g);
        heterozygous += line;
        line.Format("P%d,- say %s\nq%d,q%d say %s\nP%d,q%d carries %s\n", g, (LPCTSTR)Words("dominant", g, sayWords),
                    g, g, (LPCTSTR)Words("recessive", g, sayWords), g, g, (LPCTSTR)Words("carried", g, carriedWords));
        rules += line;
    }
    return text + rules;
}
