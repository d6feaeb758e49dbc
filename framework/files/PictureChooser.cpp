#include "framework/files/PictureChooser.h"

namespace
{
PictureChooser installed = NULL;
}

void SetPictureChooser(PictureChooser chooser)
{
    installed = chooser;
}

PictureChooser GetPictureChooser()
{
    return installed;
}
