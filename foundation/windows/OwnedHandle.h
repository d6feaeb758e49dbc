#pragma once
// Owns a handle that the code created and frees it on every way out: a pen,
// brush, font, bitmap or region (DeleteObject), a device context made by
// CreateCompatibleDC or CreateDC (DeleteDC), a search begun by
// FindFirstFile (FindClose), a loaded icon (DestroyIcon), or a metafile
// (DeleteEnhMetaFile, DeleteMetaFile).
//     COwnedGdiObject<HPEN> pen(::CreatePen(PS_SOLID, 1, colour));
//     CSelectedObject selected(dc, pen);
//     CFindHandle search(::FindFirstFileA(pattern, &found));
//     if (!search) ...
// A handle that the platform lends (GetDC, BeginPaint, stock objects) is not
// owned: give it back the way it was borrowed.
#include <windows.h>

#include <utility>

template <typename Handle, typename Freeing>
class COwnedHandle
{
public:
    COwnedHandle() : m_handle(Empty()) {}
    explicit COwnedHandle(Handle handle) : m_handle(handle) {}
    COwnedHandle(COwnedHandle&& other) noexcept : m_handle(other.Release()) {}
    COwnedHandle& operator=(COwnedHandle&& other) noexcept
    {
        Reset(other.Release());
        return *this;
    }
    ~COwnedHandle() { Reset(); }

    Handle Get() const { return m_handle; }
    operator Handle() const { return m_handle; }
    explicit operator bool() const { return m_handle != Empty(); }

    // Frees the owned handle (if any) and takes the new one.
    void Reset(Handle handle = Empty())
    {
        if (m_handle != Empty() && m_handle != handle)
            Freeing::Free(m_handle);
        m_handle = handle;
    }
    // Hands the handle over to the caller, who frees it from now on.
    Handle Release() { return std::exchange(m_handle, Empty()); }

private:
    static Handle Empty() { return static_cast<Handle>(Freeing::Empty()); }

    COwnedHandle(const COwnedHandle&) = delete;
    COwnedHandle& operator=(const COwnedHandle&) = delete;

    Handle m_handle;
};

struct CGdiObjectFreeing
{
    static HGDIOBJ Empty() { return NULL; }
    static void Free(HGDIOBJ object) { ::DeleteObject(object); }
};

struct CDCFreeing
{
    static HDC Empty() { return NULL; }
    static void Free(HDC dc) { ::DeleteDC(dc); }
};

// FindFirstFile answers INVALID_HANDLE_VALUE, not null, when it finds nothing.
struct CFindFreeing
{
    static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
    static void Free(HANDLE search) { ::FindClose(search); }
};

struct CIconFreeing
{
    static HICON Empty() { return NULL; }
    static void Free(HICON icon) { ::DestroyIcon(icon); }
};

struct CEnhMetafileFreeing
{
    static HENHMETAFILE Empty() { return NULL; }
    static void Free(HENHMETAFILE metafile) { ::DeleteEnhMetaFile(metafile); }
};

struct CMetafileFreeing
{
    static HMETAFILE Empty() { return NULL; }
    static void Free(HMETAFILE metafile) { ::DeleteMetaFile(metafile); }
};

template <typename Object>
using COwnedGdiObject = COwnedHandle<Object, CGdiObjectFreeing>;
using COwnedDC = COwnedHandle<HDC, CDCFreeing>;
using CFindHandle = COwnedHandle<HANDLE, CFindFreeing>;
using COwnedIcon = COwnedHandle<HICON, CIconFreeing>;
using COwnedEnhMetafile = COwnedHandle<HENHMETAFILE, CEnhMetafileFreeing>;
using COwnedMetafile = COwnedHandle<HMETAFILE, CMetafileFreeing>;
