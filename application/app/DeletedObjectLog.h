#pragma once
// Records every handle that the program hands to the platform's DeleteObject
// while a log lives, whoever makes the call. The platform answers TRUE for a
// stock object and keeps it, so only such a log tells whether a release
// deleted one. The exit's report for the tests and the tests of the exit use
// it.
#include "afx/app/AfxWin.h"

#include <vector>

class CDeletedObjectLog
{
public:
    CDeletedObjectLog();
    ~CDeletedObjectLog();
    CDeletedObjectLog(const CDeletedObjectLog&) = delete;
    CDeletedObjectLog& operator=(const CDeletedObjectLog&) = delete;

    // False when the program's import of DeleteObject was not found: then
    // nothing is recorded.
    bool IsRecording() const;
    bool Holds(HGDIOBJ object) const;

private:
    friend BOOL WINAPI RecordDeletedObject(HGDIOBJ object);
    std::vector<HGDIOBJ> m_objects;
};
