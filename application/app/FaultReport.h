#pragma once
// The pieces of a fault report: what faulted and where, the registers and the
// call stack. Each routine writes into one shared static text and returns it
// (or null when its input cannot be read); callers copy it before the next
// call. They allocate nothing, so they still work when the heap is damaged.
#include <windows.h>

enum CallStackOptions
{
    CALLSTACK_PARAMETERS = 1,
    CALLSTACK_MODULE = 2,
    CALLSTACK_SYMBOL = 4,
    CALLSTACK_ALL = 15
};

const char* ExceptionCodeName(DWORD code);
const char* DescribeFault(EXCEPTION_POINTERS* pointers);
const char* DescribeRegisters(EXCEPTION_POINTERS* pointers);
const char* FirstCallStackLine(UINT options, EXCEPTION_POINTERS* pointers);
const char* NextCallStackLine(UINT options, EXCEPTION_POINTERS* pointers);

// The module's file name without folder (null module: the executable);
// returns its length, 0 on failure.
int GetModuleBaseNameForSystem(HANDLE process, HMODULE module, char* buffer, int room);

void InitSymbolEngine();
void CleanupSymbolEngine();
