#pragma once

// A fresh folder under the Windows temporary folder, removed with everything
// in it when the holder goes.

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

class CScratchFolder
{
public:
    explicit CScratchFolder(const char* name)
    {
        char temp[MAX_PATH];
        ::GetTempPathA(sizeof(temp), temp);
        char unique[32];
        std::snprintf(unique, sizeof(unique), "_%lu", (unsigned long)::GetCurrentProcessId());
        m_path = std::string(temp) + name + unique;
        Remove();
        ::CreateDirectoryA(m_path.c_str(), NULL);
    }
    ~CScratchFolder() { Remove(); }

    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "\\" + name; }

    bool WriteFile(const std::string& name, const std::string& contents, DWORD attributes = 0) const
    {
        std::string path = *this / name;
        FILE* file = std::fopen(path.c_str(), "wb");
        if (file == NULL)
            return false;
        std::fwrite(contents.data(), 1, contents.size(), file);
        std::fclose(file);
        return attributes == 0 || ::SetFileAttributesA(path.c_str(), attributes);
    }

    std::string ReadFile(const std::string& name) const
    {
        std::string contents;
        FILE* file = std::fopen((*this / name).c_str(), "rb");
        if (file == NULL)
            return contents;
        char buffer[4096];
        size_t read;
        while ((read = std::fread(buffer, 1, sizeof(buffer), file)) > 0)
            contents.append(buffer, read);
        std::fclose(file);
        return contents;
    }

    bool MakeFolder(const std::string& name) const { return ::CreateDirectoryA((*this / name).c_str(), NULL) != 0; }

private:
    void Remove()
    {
        // Clear attributes that would stop the removal, then remove the tree.
        std::string pattern = m_path + "\\*";
        WIN32_FIND_DATAA found;
        HANDLE search = ::FindFirstFileA(pattern.c_str(), &found);
        if (search != INVALID_HANDLE_VALUE)
        {
            do
                ::SetFileAttributesA((m_path + "\\" + found.cFileName).c_str(), FILE_ATTRIBUTE_NORMAL);
            while (::FindNextFileA(search, &found));
            ::FindClose(search);
        }
        std::string from = m_path + std::string(1, '\0');
        SHFILEOPSTRUCTA operation = {};
        operation.wFunc = FO_DELETE;
        operation.pFrom = from.c_str();
        operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
        ::SHFileOperationA(&operation);
    }

    std::string m_path;
};
