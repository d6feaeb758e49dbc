#pragma once
// The strip of small command pictures (16 x 15 each, magenta is transparent)
// that buttons, lists and menus draw from the shared image lists.
#define IDB_COMMAND_IMAGES 1351

// Pictures of the strip, by position.
enum CommandImage
{
    IMAGE_NEW, IMAGE_OPEN, IMAGE_SAVE, IMAGE_PRINT, IMAGE_CUT, IMAGE_COPY, IMAGE_PASTE, IMAGE_DELETE,
    IMAGE_MOVE_UP, IMAGE_MOVE_DOWN, IMAGE_PROPERTIES, IMAGE_HELP, IMAGE_FIND, IMAGE_OK, IMAGE_COLOURS,
    IMAGE_CALCULATOR, IMAGE_CALENDAR, IMAGE_PAW, COMMAND_IMAGE_COUNT
};
