#pragma once
// The menu commands that show the image of another command, registered once
// at start-up.

void RegisterMenuImageLinks();
