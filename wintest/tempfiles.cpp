#include "tempfiles.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace {

std::string NewFolder(const std::string& prefix) {
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    const std::string stem = std::string(temp) + prefix + "_" +
                             std::to_string(GetCurrentProcessId()) + "_" +
                             std::to_string(GetTickCount());
    // The name may be taken: by a folder of this tick, or one an earlier process of the same
    // id left behind.
    for (int n = 0;; ++n) {
        const std::string folder = stem + "_" + std::to_string(n);
        if (CreateDirectoryA(folder.c_str(), nullptr) || GetLastError() != ERROR_ALREADY_EXISTS)
            return folder;
    }
}

void RemoveTree(const std::string& folder) {
    for (const std::string& name : FolderNames(folder)) {
        const std::string p = folder + "\\" + name;
        const DWORD attributes = GetFileAttributesA(p.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            RemoveTree(p);
        } else {
            SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(p.c_str());
        }
    }
    SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(folder.c_str());
}

} // namespace

TempFolder::TempFolder(const std::string& prefix) : path(NewFolder(prefix)) {}

TempFolder::~TempFolder() {
    // A file dialog makes the folder of the chosen file current, and the current folder
    // cannot be removed: the test steps out of it first.
    char current[MAX_PATH] = "";
    const DWORD n = GetCurrentDirectoryA(sizeof current, current);
    if (n >= path.size() && n < sizeof current &&
        lstrcmpiA(std::string(current, path.size()).c_str(), path.c_str()) == 0 &&
        (current[path.size()] == '\0' || current[path.size()] == '\\'))
        SetCurrentDirectoryA((path + "\\..").c_str());
    RemoveTree(path);
}

std::string TempFolder::Path(const std::string& name) const {
    return path + "\\" + name;
}

std::vector<std::string> FolderNames(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = fd.cFileName;
            if (name != "." && name != "..")
                names.push_back(name);
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadAll(const std::string& path) {
    std::string content;
    FILE* f = fopen(path.c_str(), "rb");
    if (!f)
        return content;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, f)) > 0)
        content.append(buffer, n);
    fclose(f);
    return content;
}

bool WriteAll(const std::string& path, const std::string& content) {
    FILE* f = fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = fwrite(content.data(), 1, content.size(), f) == content.size();
    return fclose(f) == 0 && ok;
}
