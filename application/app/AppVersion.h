#pragma once
// The program's version and the build text that the About heading and the
// fault log show.
const char* const AppVersionText = "2.03";
const char* const AppBuildText = "Built On: May 05 06:30:02 2005";
