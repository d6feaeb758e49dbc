#include "application/app/MenuImageLinks.h"

#include "framework/menus/MenuImages.h"

void RegisterMenuImageLinks()
{
    // Each command, then the command whose toolbar image its items show.
    const UINT imageLinks[][2] = {{33136, 33251}, {33140, 33253}, {33141, 33254}, {33138, 33252}};
    for (const auto& link : imageLinks)
        SetMenuImageCommand(link[0], link[1]);
    // The submenu holding 33126 shows the image of 33127.
    SetSubmenuCommand(33126, 33127);
}
