#include "framework/dialogs/PictureChooser.h"

namespace
{
PictureChooser installedChooser = NULL;
}

void SetPictureChooser(PictureChooser chooser)
{
    installedChooser = chooser;
}

PictureChooser GetPictureChooser()
{
    return installedChooser;
}
