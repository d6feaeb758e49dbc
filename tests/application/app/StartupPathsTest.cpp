// The program folder and the error log's path derived from the executable's path.
#include "application/app/StartupPaths.h"

#include <gtest/gtest.h>

TEST(StartupPaths, FolderAndErrorLogOfExecutablePaths)
{
    const struct
    {
        const char* path;
        const char* folder;
        const char* errorLog;
    } cases[] = {
        {"C:\\Prog\\Kestrova.HLP", "C:\\Prog", "C:\\Prog\\Kestrova.err"},
        {"C:\\Kestrova.HLP", "C:\\", "C:\\Kestrova.err"},
        {"C:\\Dog.Breeding\\Kestrova.HLP", "C:\\Dog.Breeding", "C:\\Dog.Breeding\\Kestrova.err"},
        {"C:\\Dog.Breeding\\Kestrova", "C:\\Dog.Breeding", ""},
        {"C:\\Prog\\.HLP", "C:\\Prog", ""},
        {"Kestrova.HLP", "Kestrova.HLP", "Kestrova.err"},
    };
    for (const auto& c : cases)
    {
        EXPECT_STREQ((LPCTSTR)ProgramFolderOf(c.path), c.folder) << c.path;
        EXPECT_STREQ((LPCTSTR)ErrorLogPathOf(c.path), c.errorLog) << c.path;
    }
}
