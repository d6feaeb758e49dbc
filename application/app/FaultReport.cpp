#include "application/app/FaultReport.h"

#include <imagehlp.h>
#include <stdio.h>
#include <string.h>

namespace
{
const int FAULT_TEXT_SIZE = 1024;
char FaultText[FAULT_TEXT_SIZE];
STACKFRAME WalkFrame;
union
{
    IMAGEHLP_SYMBOL symbol;
    BYTE bytes[512];
} SymbolBlock;
BOOL SymbolEngineReady = FALSE;

int PlatformIsNt = -1;  // -1 not yet known
HMODULE PsapiModule = NULL;
typedef DWORD(WINAPI* GetModuleBaseNameProc)(HANDLE, HMODULE, LPSTR, DWORD);
GetModuleBaseNameProc PsapiGetModuleBaseName = NULL;

#define CODE_NAME(code) {code, #code}
const struct
{
    DWORD code;
    const char* name;
} CodeNames[] = {
    CODE_NAME(EXCEPTION_GUARD_PAGE),
    CODE_NAME(EXCEPTION_DATATYPE_MISALIGNMENT),
    CODE_NAME(EXCEPTION_BREAKPOINT),
    CODE_NAME(EXCEPTION_SINGLE_STEP),
    CODE_NAME(EXCEPTION_ACCESS_VIOLATION),
    CODE_NAME(EXCEPTION_IN_PAGE_ERROR),
    CODE_NAME(EXCEPTION_INVALID_HANDLE),
    CODE_NAME(EXCEPTION_ILLEGAL_INSTRUCTION),
    CODE_NAME(EXCEPTION_NONCONTINUABLE_EXCEPTION),
    CODE_NAME(EXCEPTION_INVALID_DISPOSITION),
    CODE_NAME(EXCEPTION_ARRAY_BOUNDS_EXCEEDED),
    CODE_NAME(EXCEPTION_FLT_DENORMAL_OPERAND),
    CODE_NAME(EXCEPTION_FLT_DIVIDE_BY_ZERO),
    CODE_NAME(EXCEPTION_FLT_INEXACT_RESULT),
    CODE_NAME(EXCEPTION_FLT_INVALID_OPERATION),
    CODE_NAME(EXCEPTION_FLT_OVERFLOW),
    CODE_NAME(EXCEPTION_FLT_STACK_CHECK),
    CODE_NAME(EXCEPTION_FLT_UNDERFLOW),
    CODE_NAME(EXCEPTION_INT_DIVIDE_BY_ZERO),
    CODE_NAME(EXCEPTION_INT_OVERFLOW),
    CODE_NAME(EXCEPTION_PRIV_INSTRUCTION),
    CODE_NAME(EXCEPTION_STACK_OVERFLOW),
};
#undef CODE_NAME

// The routines cannot catch their own faults, so they check what they read.
BOOL PointersReadable(EXCEPTION_POINTERS* pointers)
{
    return pointers != NULL && !::IsBadReadPtr(pointers, 8) &&
           !::IsBadReadPtr(pointers->ExceptionRecord, sizeof(EXCEPTION_RECORD)) &&
           !::IsBadReadPtr(pointers->ContextRecord, sizeof(CONTEXT));
}

int Length()
{
    return (int)strlen(FaultText);
}

// Appends printf-style at the end of FaultText, cut to the room left.
void AppendFormat(const char* format, ...)
{
    const int length = Length();
    va_list args;
    va_start(args, format);
    _vsnprintf(FaultText + length, (size_t)(FAULT_TEXT_SIZE - 1 - length), format, args);
    va_end(args);
    FaultText[FAULT_TEXT_SIZE - 1] = '\0';
}

BOOL IsNtPlatform()
{
    if (PlatformIsNt < 0)
    {
        OSVERSIONINFOA info = {};
        info.dwOSVersionInfoSize = sizeof(info);
        if (!::GetVersionExA(&info))
            return FALSE;
        PlatformIsNt = info.dwPlatformId == VER_PLATFORM_WIN32_NT ? 1 : 0;
    }
    return PlatformIsNt == 1;
}

const char* FormatCallStackLine(UINT options, EXCEPTION_POINTERS* pointers)
{
    if (!PointersReadable(pointers))
        return NULL;
    InitSymbolEngine();
    HANDLE process = ::GetCurrentProcess();
    if (!::StackWalk(IMAGE_FILE_MACHINE_I386, process, ::GetCurrentThread(), &WalkFrame, pointers->ContextRecord,
                     NULL, SymFunctionTableAccess, SymGetModuleBase, NULL) ||
        WalkFrame.AddrFrame.Offset == 0)
        return NULL;
    FaultText[0] = '\0';
    AppendFormat("%04X:%08X", (unsigned)pointers->ContextRecord->SegCs, (unsigned)WalkFrame.AddrPC.Offset);
    if (options & CALLSTACK_PARAMETERS)
        AppendFormat(" (0x%08X 0x%08X 0x%08X 0x%08X)", (unsigned)WalkFrame.Params[0], (unsigned)WalkFrame.Params[1],
                     (unsigned)WalkFrame.Params[2], (unsigned)WalkFrame.Params[3]);
    if (options & CALLSTACK_MODULE)
    {
        AppendFormat(" ");
        const DWORD base = ::SymGetModuleBase(process, WalkFrame.AddrPC.Offset);
        const int length = Length();
        if (base == 0 ||
            GetModuleBaseNameForSystem(process, (HMODULE)base, FaultText + length, FAULT_TEXT_SIZE - length) == 0)
        {
            FaultText[length] = '\0';
            AppendFormat("<UNKNOWN>");
        }
    }
    if (options & CALLSTACK_SYMBOL)
    {
        memset(&SymbolBlock, 0, sizeof(SymbolBlock));
        SymbolBlock.symbol.SizeOfStruct = sizeof(IMAGEHLP_SYMBOL);
        SymbolBlock.symbol.MaxNameLength = sizeof(SymbolBlock) - sizeof(IMAGEHLP_SYMBOL);
        DWORD displacement = 0;
        if (::SymGetSymFromAddr(process, WalkFrame.AddrPC.Offset, &displacement, &SymbolBlock.symbol))
        {
            AppendFormat(", ");
            if (displacement != 0)
                AppendFormat("%s()+%d byte(s)", SymbolBlock.symbol.Name, (int)displacement);
            else
                AppendFormat("%s", SymbolBlock.symbol.Name);
        }
    }
    return FaultText;
}
}  // namespace

const char* ExceptionCodeName(DWORD code)
{
    for (const auto& entry : CodeNames)
    {
        if (entry.code == code)
            return entry.name;
    }
    return NULL;
}

int GetModuleBaseNameForSystem(HANDLE process, HMODULE module, char* buffer, int room)
{
    if (buffer == NULL || room <= 0 || ::IsBadWritePtr(buffer, (UINT_PTR)room))
    {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (IsNtPlatform())
    {
        if (PsapiModule == NULL)
        {
            PsapiModule = ::LoadLibraryA("PSAPI.DLL");
            if (PsapiModule != NULL)
                PsapiGetModuleBaseName =
                    reinterpret_cast<GetModuleBaseNameProc>(::GetProcAddress(PsapiModule, "GetModuleBaseNameA"));
        }
        if (PsapiGetModuleBaseName == NULL)
        {
            ::SetLastErrorEx(ERROR_DLL_INIT_FAILED, 1);
            return 0;
        }
        return (int)PsapiGetModuleBaseName(process, module, buffer, (DWORD)room);
    }
    char path[MAX_PATH + 1] = "";
    if (::GetModuleFileNameA(module, path, MAX_PATH) == 0)
        return 0;
    const char* slash = strrchr(path, '\\');
    const char* name = slash != NULL ? slash + 1 : path;
    lstrcpynA(buffer, name, room);
    return (int)strlen(buffer);
}

const char* DescribeFault(EXCEPTION_POINTERS* pointers)
{
    if (!PointersReadable(pointers))
        return NULL;
    FaultText[0] = '\0';
    GetModuleBaseNameForSystem(::GetCurrentProcess(), NULL, FaultText, FAULT_TEXT_SIZE);
    AppendFormat(" caused a ");
    const DWORD code = pointers->ExceptionRecord->ExceptionCode;
    const char* name = ExceptionCodeName(code);
    if (name != NULL)
        AppendFormat("%s", name);
    else
    {
        const int length = Length();
        const DWORD written = ::FormatMessageA(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS,
                                               ::GetModuleHandleA("NTDLL.DLL"), code, 0, FaultText + length,
                                               (DWORD)(FAULT_TEXT_SIZE - 1 - length), NULL);
        FaultText[length + (int)written] = '\0';
        // The system's texts end in a line break; the report line must not.
        for (int end = Length(); end > length && (FaultText[end - 1] == '\n' || FaultText[end - 1] == '\r'); end--)
            FaultText[end - 1] = '\0';
    }
    AppendFormat(" at %04X:%08X", (unsigned)pointers->ContextRecord->SegCs,
                 (unsigned)(UINT_PTR)pointers->ExceptionRecord->ExceptionAddress);
    return FaultText;
}

const char* DescribeRegisters(EXCEPTION_POINTERS* pointers)
{
    if (!PointersReadable(pointers))
        return NULL;
    const CONTEXT& c = *pointers->ContextRecord;
    _snprintf(FaultText, FAULT_TEXT_SIZE,
              "EAX=%08X  EBX=%08X  ECX=%08X  EDX=%08X  ESI=%08X\n"
              "EDI=%08X  EBP=%08X  ESP=%08X  EIP=%08X  FLG=%08X\n"
              "CS=%04X   DS=%04X  SS=%04X  ES=%04X   FS=%04X  GS=%04X",
              (unsigned)c.Eax, (unsigned)c.Ebx, (unsigned)c.Ecx, (unsigned)c.Edx, (unsigned)c.Esi, (unsigned)c.Edi,
              (unsigned)c.Ebp, (unsigned)c.Esp, (unsigned)c.Eip, (unsigned)c.EFlags, (unsigned)c.SegCs,
              (unsigned)c.SegDs, (unsigned)c.SegSs, (unsigned)c.SegEs, (unsigned)c.SegFs, (unsigned)c.SegGs);
    FaultText[FAULT_TEXT_SIZE - 1] = '\0';
    return FaultText;
}

const char* FirstCallStackLine(UINT options, EXCEPTION_POINTERS* pointers)
{
    if (!PointersReadable(pointers))
        return NULL;
    memset(&WalkFrame, 0, sizeof(WalkFrame));
    WalkFrame.AddrPC.Offset = pointers->ContextRecord->Eip;
    WalkFrame.AddrPC.Mode = AddrModeFlat;
    WalkFrame.AddrStack.Offset = pointers->ContextRecord->Esp;
    WalkFrame.AddrStack.Mode = AddrModeFlat;
    WalkFrame.AddrFrame.Offset = pointers->ContextRecord->Ebp;
    WalkFrame.AddrFrame.Mode = AddrModeFlat;
    return FormatCallStackLine(options, pointers);
}

const char* NextCallStackLine(UINT options, EXCEPTION_POINTERS* pointers)
{
    return FormatCallStackLine(options, pointers);
}

void InitSymbolEngine()
{
    if (SymbolEngineReady)
        return;
    ::SymSetOptions(::SymGetOptions() | SYMOPT_DEFERRED_LOADS | SYMOPT_LOAD_LINES);
    ::SymInitialize(::GetCurrentProcess(), NULL, TRUE);
    SymbolEngineReady = TRUE;
}

void CleanupSymbolEngine()
{
    if (SymbolEngineReady)
        ::SymCleanup(::GetCurrentProcess());
    SymbolEngineReady = FALSE;
}
