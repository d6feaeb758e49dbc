#pragma once
// Records every handle that this test program hands to the platform's
// DeleteObject while a log lives, whichever thread makes the call. The
// platform answers TRUE for a stock object and keeps it, so only such a log
// tells whether a release deleted one.
//
// The first log to live points the program's import slot of DeleteObject,
// through which every library linked into the program calls it, at the log's
// recorder; the last one to end points it back. A slot that cannot be found
// or written fails the running test: a log that records nothing would pass
// every check that nothing was deleted.
#include <windows.h>

#include <vector>

class CDeletedObjectLog
{
public:
    CDeletedObjectLog();
    ~CDeletedObjectLog();
    CDeletedObjectLog(const CDeletedObjectLog&) = delete;
    CDeletedObjectLog& operator=(const CDeletedObjectLog&) = delete;

    // Whether the import slot leads to the recorder now.
    bool IsRecording() const;
    bool Holds(HGDIOBJ object) const;

private:
    static BOOL WINAPI Record(HGDIOBJ object);

    std::vector<HGDIOBJ> m_objects;
};
