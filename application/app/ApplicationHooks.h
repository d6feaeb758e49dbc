#pragma once
// Fills the hooks through which the lower layers reach the application: the
// configuration reader's maker of selection elements and the message that
// shows a configuration's load error. Called once at start-up, before a
// configuration is read.
void InstallApplicationHooks();
