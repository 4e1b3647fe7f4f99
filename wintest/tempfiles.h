// Files as the tests set them up: a fresh folder of their own, never the current one, removed
// at the end, what a folder holds, and files read and written whole.
#pragma once

#include <string>
#include <vector>

// A new, empty folder in the temporary folder, so not the current one, named prefix, the
// process id, the tick count and a number (process ids repeat under Wine). It goes with the
// object, with all in it, read-only files and folders too; when it is current then, as a file
// dialog leaves the chosen file's folder, its parent becomes current. A file still open then
// (the system's loader keeps a bitmap that it faulted on) can keep the folder.
struct TempFolder {
    explicit TempFolder(const std::string& prefix);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The full path of a name in the folder.
    std::string Path(const std::string& name) const;

    const std::string path;
};

// The names in a folder, without "." and "..", sorted.
std::vector<std::string> FolderNames(const std::string& folder);

// A file's whole content; "" when it cannot be read.
std::string ReadAll(const std::string& path);

// Writes a file's whole content, a new file or one replaced. Returns whether all was written.
bool WriteAll(const std::string& path, const std::string& content);
