#include "output/pictures/PictureLoadOptions.h"

#include <cmath>

PictureLoadOptions MakePictureLoadOptions(int xResolution, int yResolution)
{
    PictureLoadOptions options = {};
    options.xResolution = xResolution;
    options.yResolution = yResolution;
    options.scale = 1.0;
    options.inkColour = NoInkColour;
    options.lightening = 0.0;
    options.makeMask = FALSE;
    return options;
}

BOOL LighteningChangesColours(double lightening)
{
    return std::fabs(lightening - 1.0) > 0.005;
}
