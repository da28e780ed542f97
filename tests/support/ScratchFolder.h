#pragma once
// A folder of a test's own under the temporary folder, named by its prefix and the
// process, created at once and removed with everything in it at the end.

#include <filesystem>
#include <string>

class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& prefix);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The path of a file (or "folder/file") in the folder.
    std::string Path(const std::string& name) const;

private:
    std::filesystem::path root_;
};
