// Measures the foundation's hot paths: terminology token expansion, and the
// reading of a sealed configuration file (checksum, deciphering,
// decompression).
//
//   bench_foundation.exe [SEALED-FILE [PLAIN-FILE]]
//
// Make a 1 MB sealed configuration with the sealing tool, for instance:
//   for i in $(seq 45); do cat configurations/*.txt; done | head -c 1048576 > big.txt
//   python3 tools/seal genetics big.txt big.gen
// With PLAIN-FILE given, the unsealed contents are checked against it.
#include "foundation/files/ByteBuffer.h"
#include "foundation/files/SealedFile.h"
#include "foundation/terminology/TermsMap.h"
#include "foundation/terminology/TokenExpander.h"

#include <cstdio>
#include <cstring>
#include "tools/programs/BenchTimer.h"

namespace
{
void FillTerms()
{
    char name[64];
    char text[64];
    for (int i = 0; i < 300; ++i)
    {
        sprintf(name, "Term%03dName", i);
        sprintf(text, "Text of term %d", i);
        SetTerm(name, text, TRUE);
    }
    SetTerm("Colour", "Color", TRUE);
    SetTerm("phenotype", "phenotype", TRUE);
    SetTerm("genotype", "genotype", TRUE);
    SetTerm("Months", "January\nFebruary\nMarch\nApril", TRUE);
}

void BenchExpansion()
{
    FillTerms();
    const char* typical = "Computed ~phenotype~: black ~colour~ with ~Term120Name~, "
                          "assumed ~genotype~ ~Term007Name~ (~Months,2~) ~Missing~.";
    const char* plain = "Maternal genotype specified: B/b E/e K/ky at/at D/d S/sp";
    const int rounds = 200000;
    CString result;
    size_t totalLength = 0;

    double start = BenchSeconds();
    for (int i = 0; i < rounds; ++i)
    {
        ExpandTokens(typical, result);
        totalLength += result.GetLength();
    }
    double withTokens = BenchSeconds() - start;

    start = BenchSeconds();
    for (int i = 0; i < rounds; ++i)
    {
        ExpandTokens(plain, result);
        totalLength += result.GetLength();
    }
    double withoutTokens = BenchSeconds() - start;

    CString longText;
    for (int i = 0; i < 2000; ++i)
        longText += "A ~Colour~ line of the report with ~Term250Name~ in it.\n";
    const int longRounds = 200;
    start = BenchSeconds();
    for (int i = 0; i < longRounds; ++i)
    {
        ExpandTokens(longText, result);
        totalLength += result.GetLength();
    }
    double longSeconds = BenchSeconds() - start;

    printf("token expansion, %d-character text with 7 tokens: %.3f us per text\n",
           (int)strlen(typical), withTokens * 1e6 / rounds);
    printf("token expansion, text without tokens: %.3f us per text\n", withoutTokens * 1e6 / rounds);
    printf("token expansion, %d KB text with %d tokens: %.3f ms per text (%.1f MB/s)\n",
           longText.GetLength() / 1024, 4000, longSeconds * 1e3 / longRounds,
           longText.GetLength() * (double)longRounds / longSeconds / 1e6);
    printf("(checksum %u)\n", (unsigned)totalLength);
}

void BenchSealedFile(const char* sealedPath, const char* plainPath)
{
    CByteBuffer sealed;
    if (!sealed.LoadFile(sealedPath))
    {
        printf("cannot read %s\n", sealedPath);
        return;
    }
    const int rounds = 20;
    CByteBuffer buffer;
    double start = BenchSeconds();
    for (int i = 0; i < rounds; ++i)
    {
        if (!buffer.LoadSealedFile(sealedPath, SealKeyGeneticsConfiguration))
        {
            printf("%s does not unseal with the genetics key word\n", sealedPath);
            return;
        }
    }
    double seconds = (BenchSeconds() - start) / rounds;
    printf("sealed file: %u bytes sealed, %u bytes plain: %.2f ms per read (%.1f MB/s of plain text)\n",
           (unsigned)sealed.GetLength(), (unsigned)buffer.GetLength(), seconds * 1e3,
           buffer.GetLength() / seconds / 1e6);

    CByteBuffer whole;
    start = BenchSeconds();
    for (int i = 0; i < rounds; ++i)
        whole.LoadFile(sealedPath);
    printf("  of which reading the file alone: %.2f ms\n", (BenchSeconds() - start) / rounds * 1e3);

    if (plainPath != NULL)
    {
        CByteBuffer plain;
        bool same = plain.LoadFile(plainPath) && plain.GetLength() == buffer.GetLength() &&
                    memcmp(plain.GetData(), buffer.GetData(), plain.GetLength()) == 0;
        printf("  contents %s the plain file\n", same ? "match" : "DIFFER FROM");
    }
}
}

int main(int argc, char** argv)
{
    BenchExpansion();
    if (argc > 1)
        BenchSealedFile(argv[1], argc > 2 ? argv[2] : NULL);
    else
        printf("no sealed file given; see the comment at the top of main.cpp\n");
    return 0;
}
