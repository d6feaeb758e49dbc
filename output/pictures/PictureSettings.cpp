#include "output/pictures/PictureSettings.h"

#include "foundation/files/ProgramFolder.h"

int UseAlternatePictureRendering = 1;
CString DefaultPictureFolder;
CString LastPictureFolder;

CString GetPictureSearchPath()
{
    CString folder = ProgramFolder;
    if (DefaultPictureFolder.IsEmpty())
        return folder;
    return DefaultPictureFolder + ";" + folder;
}
