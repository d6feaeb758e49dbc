// The one install function fills every hook through which a lower layer
// reaches the program.
#include "application/app/ApplicationHooks.h"
#include "application/selection/SelectionElements.h"
#include "foundation/messages/MessageHook.h"
#include "foundation/terminology/FrameworkTextHooks.h"
#include "framework/dialogs/PictureChooser.h"
#include "framework/dialogs/PrintableDlgPrinting.h"
#include "framework/windows/WndPictureTable.h"
#include "genetics/GeneticsConfigLoad.h"
#include "genetics/SelectionElementCreator.h"

#include "afx/strings/LoadString.h"
#include "afx/app/WinApp.h"

#include <gtest/gtest.h>

TEST(ApplicationHooks, TheInstallFillsEveryHook)
{
    const struct
    {
        const char* hook;
        bool (*isSet)();
        void (*clear)();
    } hooks[] = {
        {"framework text expansion", [] { return AfxGetTokenExpander() == &ExpandFrameworkText; },
         [] { AfxSetTokenExpander(NULL); }},
        {"terms map sizing at framework start", [] { return AfxGetWinInitHook() == &SizeTermsMapForStartup; },
         [] { AfxSetWinInitHook(NULL); }},
        {"foundation messages", [] { return GetMessageHook() != NULL; }, [] { SetMessageHook(NULL); }},
        {"printing of printable dialogs", [] { return GetPrintableDlgPrinting() != NULL; },
         [] { SetPrintableDlgPrinting(NULL); }},
        {"window background pictures", [] { return GetWndPictureDrawing() != NULL; },
         [] { SetWndPictureDrawing(NULL); }},
        {"picture chooser of file-name fields", [] { return GetPictureChooser() != NULL; },
         [] { SetPictureChooser(NULL); }},
        {"selection elements of configurations", [] { return GetSelectionElementCreator() == &CreateSelectionElement; },
         [] { SetSelectionElementCreator(NULL); }},
        {"configuration load errors", [] { return GetGeneticsErrorSink() != NULL; },
         [] { SetGeneticsErrorSink(NULL); }},
    };
    for (const auto& h : hooks)
        h.clear();
    InstallApplicationHooks();
    for (const auto& h : hooks)
        EXPECT_TRUE(h.isSet()) << h.hook;
}
