#pragma once
// Fills every hook through which a lower layer reaches the program above it:
// the framework's text expansion and its start-up sizing of the terms map,
// the foundation's messages, the message box's printing, the drawing of
// window background pictures, the picture chooser of file-name fields, the
// configuration reader's maker of selection elements and the sink of its load
// errors. The program calls it when its application object is made, before
// the framework initialises; test programs that need the program's behaviour
// call the same function.
void InstallApplicationHooks();
