#include "support/DeletedObjectLog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <mutex>

namespace
{
typedef BOOL(WINAPI* DeleteObjectFunction)(HGDIOBJ);

// One lock guards the logs that live, each log's handles, the slot the logs
// took and what it held before: the calls come from any thread.
std::mutex Lock;
std::vector<CDeletedObjectLog*> Logs;
FARPROC* TakenSlot = NULL;
FARPROC Platform = NULL;

FARPROC* FindImportSlot(const char* library, const char* function)
{
    BYTE* const base = (BYTE*)::GetModuleHandleA(NULL);
    const IMAGE_NT_HEADERS* headers = (const IMAGE_NT_HEADERS*)(base + ((const IMAGE_DOS_HEADER*)base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0)
        return NULL;
    for (const IMAGE_IMPORT_DESCRIPTOR* module = (const IMAGE_IMPORT_DESCRIPTOR*)(base + imports.VirtualAddress);
         module->Name != 0; module++)
    {
        if (module->OriginalFirstThunk == 0 || lstrcmpiA((const char*)(base + module->Name), library) != 0)
            continue;
        const IMAGE_THUNK_DATA* names = (const IMAGE_THUNK_DATA*)(base + module->OriginalFirstThunk);
        IMAGE_THUNK_DATA* slots = (IMAGE_THUNK_DATA*)(base + module->FirstThunk);
        for (; names->u1.AddressOfData != 0; names++, slots++)
        {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            const IMAGE_IMPORT_BY_NAME* name = (const IMAGE_IMPORT_BY_NAME*)(base + names->u1.AddressOfData);
            if (std::strcmp((const char*)name->Name, function) == 0)
                return (FARPROC*)&slots->u1.Function;
        }
    }
    return NULL;
}

// False when the slot's page could not be made writable.
bool WriteSlot(FARPROC* slot, FARPROC value)
{
    DWORD protection = 0;
    if (!::VirtualProtect(slot, sizeof(*slot), PAGE_READWRITE, &protection))
        return false;
    *slot = value;
    ::VirtualProtect(slot, sizeof(*slot), protection, &protection);
    return *slot == value;
}
}  // namespace

BOOL WINAPI CDeletedObjectLog::Record(HGDIOBJ object)
{
    DeleteObjectFunction platform;
    {
        std::lock_guard<std::mutex> hold(Lock);
        for (CDeletedObjectLog* log : Logs)
            log->m_objects.push_back(object);
        platform = reinterpret_cast<DeleteObjectFunction>(Platform);
    }
    return platform(object);
}

CDeletedObjectLog::CDeletedObjectLog()
{
    std::lock_guard<std::mutex> hold(Lock);
    Logs.push_back(this);
    if (TakenSlot != NULL)
        return;
    FARPROC* const slot = FindImportSlot("gdi32.dll", "DeleteObject");
    if (slot == NULL)
    {
        ADD_FAILURE() << "this program imports no DeleteObject from gdi32.dll: no deletion can be recorded";
        return;
    }
    const FARPROC recorder = reinterpret_cast<FARPROC>(&Record);
    // A slot that could not be given back still leads to the recorder, which
    // passes the calls on to the platform it keeps.
    if (*slot != recorder)
        Platform = *slot;
    if (!WriteSlot(slot, recorder))
    {
        const DWORD error = ::GetLastError();
        ADD_FAILURE() << "the import slot of DeleteObject cannot be written (error " << error
                      << "): no deletion can be recorded";
        return;
    }
    TakenSlot = slot;
}

CDeletedObjectLog::~CDeletedObjectLog()
{
    std::lock_guard<std::mutex> hold(Lock);
    Logs.erase(std::remove(Logs.begin(), Logs.end(), this), Logs.end());
    if (Logs.empty() && TakenSlot != NULL)
    {
        EXPECT_TRUE(WriteSlot(TakenSlot, Platform)) << "the import slot of DeleteObject was not given back";
        TakenSlot = NULL;
    }
}

bool CDeletedObjectLog::IsRecording() const
{
    std::lock_guard<std::mutex> hold(Lock);
    return TakenSlot != NULL && *TakenSlot == reinterpret_cast<FARPROC>(&Record);
}

bool CDeletedObjectLog::Holds(HGDIOBJ object) const
{
    std::lock_guard<std::mutex> hold(Lock);
    return std::find(m_objects.begin(), m_objects.end(), object) != m_objects.end();
}
