// A Windows metafile's escapes reach the device it is drawn on: drawn on a
// printed page, a picture must not end the program's print job nor eject
// its pages.
#include "TestPictures.h"

#include "output/pictures/Picture.h"
#include "output/pictures/PictureLoadOptions.h"

#include <gtest/gtest.h>

#include <cstdlib>

// With the private CUPS queue of the test run (tools/test): a picture of
// escapes that eject a page and end the job, drawn on the first of two
// pages, leaves the job open for the second.
TEST(PrinterEscapeTest, PictureOnAPrintedPageLeavesTheJobToTheProgram)
{
    char printer[256];
    DWORD size = sizeof(printer);
    if (std::getenv("KESTROVA_CUPS_SPOOL") == NULL || !::GetDefaultPrinterA(printer, &size))
        GTEST_SKIP() << "no printer";
    // The CDC deletes the printer's DC.
    CDC dc;
    ASSERT_TRUE(dc.Attach(::CreateDCA(NULL, printer, NULL, NULL)));
    DOCINFOA document = {sizeof(document), "Escapes", NULL, NULL, 0};
    ASSERT_GT(::StartDocA(dc, &document), 0);
    ASSERT_GT(::StartPage(dc), 0);
    const Bytes wmf = WithWmfRecords(MakePlaceableWmf(64, 48, 96,
                                                      [](HDC recording) {
                                                          ::Rectangle(recording, 0, 0, 10, 10);
                                                      }),
                                     {{META_ESCAPE, {NEWFRAME, 0}}, {META_ESCAPE, {ENDDOC, 0}}});
    CPicture picture;
    ASSERT_TRUE(picture.LoadFromMemory(wmf.data(), (DWORD)wmf.size(), MakePictureLoadOptions(96, 96)));
    const CRect box(0, 0, 800, 600);
    picture.Draw(&dc, box, box, CPoint(0, 0));
    EXPECT_GT(::EndPage(dc), 0);
    EXPECT_GT(::StartPage(dc), 0) << "the job has ended";
    EXPECT_GT(::EndPage(dc), 0);
    EXPECT_GT(::EndDoc(dc), 0);
}
