#pragma once
// The command-target base of the program's data objects: it adds a virtual
// copy and a virtual equality test to the framework's command target.
#include "afx/core/AfxCore.h"
#include "afx/windows/CmdTarget.h"

class CMyCmdTarget : public CCmdTarget
{
    DECLARE_DYNAMIC(CMyCmdTarget)

public:
    ~CMyCmdTarget() override {}

    // A new object of the receiver's own class holding the same values,
    // owned by the caller; the base answers null.
    virtual CMyCmdTarget* Clone() const { return NULL; }
    // The base answers FALSE.
    virtual BOOL IsEqual(const CMyCmdTarget* other) const { return FALSE; }
};
