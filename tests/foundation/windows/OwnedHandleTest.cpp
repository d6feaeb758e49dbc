// Owned GDI objects, device contexts, file searches and icons are freed when
// their owner goes, and only then: not after Release, and once after Reset or a move.
#include "foundation/windows/OwnedHandle.h"

#include <gtest/gtest.h>

#include <string>

// Each kind of owned handle, with the check of its ownership.
struct OwnedHandleKind
{
    const char* name;
    void (*check)();
};

namespace
{
bool IsGdiObject(HGDIOBJ object)
{
    return ::GetObjectType(object) != 0;
}

// A search that is still open finds the next file (or says there is none);
// a closed one is an invalid handle.
bool IsOpenSearch(HANDLE search)
{
    WIN32_FIND_DATAA found;
    if (::FindNextFileA(search, &found))
        return true;
    return ::GetLastError() != ERROR_INVALID_HANDLE;
}

HANDLE StartSearch()
{
    char folder[MAX_PATH];
    ::GetSystemDirectoryA(folder, MAX_PATH);
    WIN32_FIND_DATAA found;
    return ::FindFirstFileA((std::string(folder) + "\\*").c_str(), &found);
}

HICON MakeIcon()
{
    return ::CopyIcon(::LoadIconA(NULL, IDI_APPLICATION));
}

bool IsIcon(HICON icon)
{
    ICONINFO info;
    if (!::GetIconInfo(icon, &info))
        return false;
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor != NULL)
        ::DeleteObject(info.hbmColor);
    return true;
}

template <typename Owner, typename Handle>
void CheckOwnership(Handle (*make)(), bool (*alive)(Handle))
{
    Handle handle = make();
    ASSERT_TRUE(alive(handle));
    {
        Owner owner(handle);
        EXPECT_TRUE(owner);
        EXPECT_EQ(owner.Get(), handle);
    }
    EXPECT_FALSE(alive(handle)) << "freed at the end of the owner's life";

    handle = make();
    try
    {
        Owner owner(handle);
        throw 1;
    }
    catch (int)
    {
    }
    EXPECT_FALSE(alive(handle)) << "freed when an exception leaves the scope";

    handle = make();
    {
        Owner owner(handle);
        EXPECT_EQ(owner.Release(), handle);
        EXPECT_FALSE(owner);
    }
    EXPECT_TRUE(alive(handle)) << "a released handle is the caller's";

    Handle second = make();
    {
        Owner first(handle);
        first.Reset(second);
        EXPECT_FALSE(alive(handle)) << "Reset frees the handle it replaces";
        EXPECT_TRUE(alive(second));
        Owner moved(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(moved.Get(), second);
        Owner assigned;
        assigned = std::move(moved);
        EXPECT_TRUE(alive(second)) << "a move hands the handle on without freeing it";
    }
    EXPECT_FALSE(alive(second)) << "the last owner frees it";

    Owner empty;
    EXPECT_FALSE(empty);
}

const OwnedHandleKind kinds[] = {
    {"pen",
     [] {
         CheckOwnership<COwnedGdiObject<HPEN>, HPEN>([] { return ::CreatePen(PS_SOLID, 2, RGB(1, 2, 3)); },
                                                     [](HPEN pen) { return IsGdiObject(pen); });
     }},
    {"bitmap",
     [] {
         CheckOwnership<COwnedGdiObject<HBITMAP>, HBITMAP>([] { return ::CreateBitmap(4, 4, 1, 32, NULL); },
                                                           [](HBITMAP bitmap) { return IsGdiObject(bitmap); });
     }},
    {"memory device context",
     [] {
         CheckOwnership<COwnedDC, HDC>([] { return ::CreateCompatibleDC(NULL); },
                                       [](HDC dc) { return IsGdiObject(dc); });
     }},
    {"file search", [] { CheckOwnership<CFindHandle, HANDLE>(StartSearch, IsOpenSearch); }},
    {"icon", [] { CheckOwnership<COwnedIcon, HICON>(MakeIcon, IsIcon); }},
};

class OwnedHandle : public ::testing::TestWithParam<OwnedHandleKind>
{
};
} // namespace

TEST_P(OwnedHandle, IsFreedOnceByItsLastOwnerAndNeverAfterRelease)
{
    SCOPED_TRACE(GetParam().name);
    GetParam().check();
}

INSTANTIATE_TEST_SUITE_P(Kinds, OwnedHandle, ::testing::ValuesIn(kinds));

TEST(OwnedHandleTest, AFailedSearchOwnsNothing)
{
    WIN32_FIND_DATAA found;
    CFindHandle search(::FindFirstFileA("C:\\no such folder\\*", &found));
    EXPECT_FALSE(search);
}
