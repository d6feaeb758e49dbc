// The menu commands that borrow another command's image, as start-up
// registers them.
#include "application/app/MenuImageLinks.h"
#include "framework/menus/MenuImages.h"

#include <gtest/gtest.h>

TEST(MenuImageLinks, StartUpLinksAnswer)
{
    RegisterMenuImageLinks();
    const struct
    {
        BOOL submenu;
        UINT command, imageCommand;
    } links[] = {
        {FALSE, 33136, 33251}, {FALSE, 33140, 33253}, {FALSE, 33141, 33254},
        {FALSE, 33138, 33252}, {TRUE, 33126, 33127},
    };
    for (const auto& link : links)
    {
        UINT found = 0;
        EXPECT_TRUE(link.submenu ? LookupSubmenuCommand(link.command, found)
                                 : LookupMenuImageCommand(link.command, found))
            << link.command;
        EXPECT_EQ(link.imageCommand, found) << link.command;
        // A link of one kind is none of the other.
        EXPECT_FALSE(link.submenu ? LookupMenuImageCommand(link.command, found)
                                  : LookupSubmenuCommand(link.command, found))
            << link.command;
    }
}
