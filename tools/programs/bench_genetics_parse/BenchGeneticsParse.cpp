// Benchmark: reading a 2000-line genetics configuration and parsing 10,000
// genotype texts against it. Run by hand; prints its figures.
#include "afx/core/AfxCore.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsSection.h"
#include "genetics/Genotype.h"

#include <algorithm>
#include <random>
#include <stdio.h>
#include <vector>
#include "tools/programs/BenchTimer.h"

namespace
{
const int GeneCount = 600;
const int PolygeneCount = 100;

// About 2000 lines: genes, polygenes, links, descriptions and rules.
void MakeConfiguration(CStringArray& lines)
{
    CString line;
    lines.Add("desc Benchmark configuration");
    lines.Add("version 1");
    lines.Add("[genes Big]");
    for (int g = 0; g < GeneCount; g++)
    {
        line.Format("gene G%d A%d:50, a%d:30, h%d", g, g, g, g);
        lines.Add(line);
    }
    for (int p = 0; p < PolygeneCount; p++)
    {
        line.Format("polygene P%d places=1 default=5 ranges=0,Low%d,10,Mid%d,20,High%d,30", p, p, p, p);
        lines.Add(line);
    }
    for (int g = 0; g + 1 < GeneCount; g += 3)
    {
        line.Format("link G%d G%d 12.5", g, g + 1);
        lines.Add(line);
    }
    lines.Add("X-link G2 G5");
    for (int g = 0; g < 393; g++)
    {
        line.Format("describe gene G%d Gene number %d", g, g);
        lines.Add(line);
    }
    for (int g = 0; g < 250; g++)
    {
        line.Format("A%d,- and not a%d,a%d or (h%d,h%d and P%d=5-15) means Named%d", g, g, g, g, g, g % PolygeneCount, g);
        lines.Add(line);
    }
    lines.Add("always goto Colours");
    lines.Add("[rules Colours]");
    lines.Add("baseon Big");
    for (int g = 0; g < 300; g++)
    {
        line.Format("Named%d and A%d,a%d say Trait%d @gG%d@", g % 250, g, g, g, g % 200);
        lines.Add(line);
    }
    for (int g = 0; g < 150; g++)
    {
        line.Format("a%d,- carries Carrier%d", g, g);
        lines.Add(line);
    }
}

void MakeGenotypeTexts(std::vector<CString>& texts, int count)
{
    std::mt19937 random(7);
    CString word;
    for (int i = 0; i < count; i++)
    {
        CString text;
        std::vector<int> genes;
        while (genes.size() < 12)
        {
            const int g = (int)(random() % GeneCount);
            if (g != 2 && g != 5 && std::find(genes.begin(), genes.end(), g) == genes.end())
                genes.push_back(g);
        }
        for (size_t k = 0; k < genes.size(); k++)
        {
            const int g = genes[k];
            switch (random() % 3)
            {
            case 0: word.Format("A%d,a%d", g, g); break;
            case 1: word.Format("h%da%d", g, g); break;
            default: word.Format("A%d,A%d", g, g); break;
            }
            text += word + " ";
        }
        word.Format("P%d=%d.5 Mid%d", i % PolygeneCount, (int)(random() % 30), (i + 1) % PolygeneCount);
        text += word;
        texts.push_back(text);
    }
}
} // namespace

int main()
{
    CStringArray lines;
    MakeConfiguration(lines);
    CDWordArray numbers;
    numbers.SetSize(lines.GetSize());
    for (int i = 0; i < lines.GetSize(); i++)
        numbers[i] = (DWORD)(i + 1);

    std::vector<double> loads;
    CGeneticsConfig config;
    for (int run = 0; run < 7; run++)
    {
        const double start = BenchSeconds();
        const CString error = config.Read(lines, numbers);
        loads.push_back(BenchSeconds() - start);
        if (!error.IsEmpty())
        {
            printf("configuration error: %s\n", (LPCTSTR)error);
            return 2;
        }
    }
    std::sort(loads.begin(), loads.end());
    printf("configuration: %d lines, %u genes, %u symbols, %d rules in the rules section\n", lines.GetSize(),
           config.GetSection(0)->GetGeneCount(), config.GetSection(0)->GetSymbolCount(),
           config.GetSection(1)->GetRuleCount());
    printf("read: median %.2f ms, best %.2f ms (7 runs)\n", loads[3] * 1000.0, loads[0] * 1000.0);

    const int textCount = 10000;
    std::vector<CString> texts;
    MakeGenotypeTexts(texts, textCount);
    const CGeneticsSection* section = config.GetSection(0);
    std::vector<double> each;
    each.reserve(textCount);
    int failures = 0;
    CGenotype genotype;
    const double start = BenchSeconds();
    for (const CString& text : texts)
    {
        const double one = BenchSeconds();
        if (!genotype.Parse(section, text, SEX_MALE, 0).IsEmpty())
            failures++;
        each.push_back(BenchSeconds() - one);
    }
    const double total = BenchSeconds() - start;
    std::sort(each.begin(), each.end());
    printf("genotype texts: %d of 13 pairs each, %d failed\n", textCount, failures);
    printf("parse: total %.1f ms, mean %.1f us, median %.1f us, 99th percentile %.1f us, max %.1f us\n",
           total * 1000.0, total / textCount * 1e6, each[textCount / 2] * 1e6, each[textCount * 99 / 100] * 1e6,
           each.back() * 1e6);

    // Notes of about a megabyte with a distribution code every tenth line,
    // read and reflowed as the notes viewer gets them.
    CStringArray noted;
    noted.Copy(lines);
    int noteBytes = 0;
    CString line;
    for (int i = 0; noteBytes < 1000000; i++)
    {
        if (i % 10 == 9)
            line.Format("notes Line %d of the notes: %%%%d G%d%%%%", i, i % GeneCount);
        else
            line.Format("notes Line %d of the notes, written as authors write them, hard-wrapped.", i);
        noted.Add(line);
        noteBytes += line.GetLength() - 5;
    }
    CDWordArray notedNumbers;
    notedNumbers.SetSize(noted.GetSize());
    for (int i = 0; i < noted.GetSize(); i++)
        notedNumbers[i] = (DWORD)(i + 1);
    CGeneticsConfig withNotes;
    const double notesStart = BenchSeconds();
    const CString notesError = withNotes.Read(noted, notedNumbers);
    const double notesRead = BenchSeconds() - notesStart;
    const int notesLength = withNotes.GetNotes().GetLength();
    const double notesTotal = BenchSeconds() - notesStart;
    printf("notes: %d bytes written, %d shown%s; read %.1f ms, read and reflowed %.1f ms\n", noteBytes, notesLength,
           notesError.IsEmpty() ? "" : " (configuration error)", notesRead * 1000.0, notesTotal * 1000.0);
    return failures == 0 && notesError.IsEmpty() ? 0 : 1;
}
