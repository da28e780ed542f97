#include "ScratchFolder.h"

#include <unistd.h>

ScratchFolder::ScratchFolder(const std::string& prefix)
    : root_(std::filesystem::temp_directory_path() / (prefix + "-" + std::to_string(getpid()))) {
    std::filesystem::create_directories(root_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

std::string ScratchFolder::Path(const std::string& name) const { return (root_ / name).string(); }
