#include "application/app/DeletedObjectLog.h"

#include <algorithm>
#include <cstring>

namespace
{
typedef BOOL(WINAPI* DeleteObjectFunction)(HGDIOBJ);

// The logs that live, the slot of the program's import table through which
// all its calls of DeleteObject go, and what the slot held before the first
// log took it.
std::vector<CDeletedObjectLog*> Logs;
FARPROC* ImportSlot = NULL;
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

void WriteSlot(FARPROC* slot, FARPROC value)
{
    DWORD protection = 0;
    if (::VirtualProtect(slot, sizeof(*slot), PAGE_READWRITE, &protection))
    {
        *slot = value;
        ::VirtualProtect(slot, sizeof(*slot), protection, &protection);
    }
}
}  // namespace

BOOL WINAPI RecordDeletedObject(HGDIOBJ object)
{
    for (CDeletedObjectLog* log : Logs)
        log->m_objects.push_back(object);
    return reinterpret_cast<DeleteObjectFunction>(Platform)(object);
}

CDeletedObjectLog::CDeletedObjectLog()
{
    if (Logs.empty())
    {
        ImportSlot = FindImportSlot("gdi32.dll", "DeleteObject");
        if (ImportSlot == NULL)
            return;
        Platform = *ImportSlot;
        WriteSlot(ImportSlot, reinterpret_cast<FARPROC>(&RecordDeletedObject));
    }
    Logs.push_back(this);
}

CDeletedObjectLog::~CDeletedObjectLog()
{
    Logs.erase(std::remove(Logs.begin(), Logs.end(), this), Logs.end());
    if (Logs.empty() && ImportSlot != NULL)
    {
        WriteSlot(ImportSlot, Platform);
        ImportSlot = NULL;
    }
}

bool CDeletedObjectLog::IsRecording() const
{
    return std::find(Logs.begin(), Logs.end(), this) != Logs.end();
}

bool CDeletedObjectLog::Holds(HGDIOBJ object) const
{
    return std::find(m_objects.begin(), m_objects.end(), object) != m_objects.end();
}
