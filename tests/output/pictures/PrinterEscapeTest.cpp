// A metafile's escapes reach the device it is drawn on: drawn on a printed
// page, a picture must not end the program's print job nor eject its pages.
#include "TestPictures.h"

#include "output/pictures/Picture.h"
#include "output/pictures/PictureLoadOptions.h"

#include <gtest/gtest.h>

#include <cstdlib>

// With the private CUPS queue of the test run (tools/test): a picture of
// escapes that eject a page and end the job, drawn on the first of two
// pages, leaves the job open for the second. Windows metafiles and the
// enhanced metafile's three kinds of escape.
TEST(PrinterEscapeTest, PictureOnAPrintedPageLeavesTheJobToTheProgram)
{
    char printer[256];
    DWORD size = sizeof(printer);
    if (std::getenv("KESTROVA_CUPS_SPOOL") == NULL || !::GetDefaultPrinterA(printer, &size))
        GTEST_SKIP() << "no printer";
    const auto square = [](HDC recording) {
        ::Rectangle(recording, 0, 0, 10, 10);
    };
    const RECT frame = {0, 0, 1000, 1000};
    // The enhanced metafile's escape records: to the device, to its drawing,
    // to a driver named.
    const DWORD DrawEscape = 105, ExtEscape = 106, NamedEscape = 110;
    const Bytes pictures[] = {
        WithWmfRecords(MakePlaceableWmf(64, 48, 96, square),
                       {{META_ESCAPE, {NEWFRAME, 0}}, {META_ESCAPE, {ENDDOC, 0}}}),
        WithEmfRecords(MakeEmf(frame, square),
                       EmfRecords{{ExtEscape, {NEWFRAME, 0}},
                                  {ExtEscape, {ENDDOC, 0}},
                                  {DrawEscape, {NEWFRAME, 0}},
                                  {DrawEscape, {ENDDOC, 0}},
                                  {NamedEscape, {NEWFRAME, 0, 0}},
                                  {NamedEscape, {ENDDOC, 0, 0}}},
                       1),
    };
    for (const Bytes& escapes : pictures)
    {
        // The CDC deletes the printer's DC.
        CDC dc;
        ASSERT_TRUE(dc.Attach(::CreateDCA(NULL, printer, NULL, NULL)));
        DOCINFOA document = {sizeof(document), "Escapes", NULL, NULL, 0};
        ASSERT_GT(::StartDocA(dc, &document), 0);
        ASSERT_GT(::StartPage(dc), 0);
        CPicture picture;
        ASSERT_TRUE(picture.LoadFromMemory(escapes.data(), (DWORD)escapes.size(), MakePictureLoadOptions(96, 96)));
        const CRect box(0, 0, 800, 600);
        picture.Draw(&dc, box, box, CPoint(0, 0));
        const char* what = escapes[0] == 1 ? "enhanced" : "placed";
        EXPECT_GT(::EndPage(dc), 0) << what;
        EXPECT_GT(::StartPage(dc), 0) << what << ": the job has ended";
        EXPECT_GT(::EndPage(dc), 0) << what;
        EXPECT_GT(::EndDoc(dc), 0) << what;
    }
}
