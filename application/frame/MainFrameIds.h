#pragma once
// Commands and status-bar panes of the main frame window.

#define ID_FRAME_DEFERRED_MESSAGE 33142
#define ID_FRAME_NO_ACTION 33276
#define ID_INDICATOR_CLOCK 33193

#ifndef ID_INDICATOR_CAPS
#define ID_INDICATOR_CAPS 0xE701
#define ID_INDICATOR_NUM 0xE702
#endif
