#include "WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {
// The folder part of a path with its last slash ("" for a bare name).
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A temporary file beside the target: closed and removed when it goes out of scope,
// unless it was renamed into place.
class TemporaryFile {
public:
    // A short hidden name, so that it fits wherever the target's name fits.
    explicit TemporaryFile(const std::string& target) : name_(FolderOf(target) + ".approx-XXXXXX") {
        descriptor_ = mkstemp(name_.data());
        created_ = descriptor_ >= 0;
    }
    ~TemporaryFile() {
        if (descriptor_ >= 0) close(descriptor_);
        if (created_) unlink(name_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int Descriptor() const { return descriptor_; }
    // Closes the file; false (errno set) when the system reports a late write error.
    bool Close() {
        const int descriptor = descriptor_;
        descriptor_ = -1;
        return close(descriptor) == 0;
    }
    // Renames it to the target; false (errno set) when that fails.
    bool RenameTo(const std::string& target) {
        if (rename(name_.c_str(), target.c_str()) != 0) return false;
        created_ = false;
        return true;
    }

private:
    std::string name_;
    int descriptor_ = -1;
    bool created_ = false;
};

Outcome Failed(int error) { return {WriteFailureReason(error)}; }

// The file a path names in the end: a symbolic link followed (a relative one from its
// own folder) to what it points to, however many there are on the way, up to the
// system's own limit; the path itself when it is no link.
std::string ThroughLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat status {};
        if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
        std::string target(static_cast<std::size_t>(status.st_size > 0 ? status.st_size : 4096) + 1,
                           '\0');
        const ssize_t length = readlink(path.c_str(), target.data(), target.size());
        if (length < 0 || static_cast<std::size_t>(length) >= target.size()) return path;
        target.resize(static_cast<std::size_t>(length));
        path = target.starts_with('/') ? target : FolderOf(path) + target;
    }
    return path;
}
}  // namespace

std::string WriteFailureReason(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return "нет места на диске";
        case EACCES:
        case EPERM:
        case EROFS:
            return "нет прав на запись в папку";
        case EISDIR:
            return "это папка, а не файл";
        case ENOENT:
        case ENOTDIR:
            return "такой папки нет";
        case ENAMETOOLONG:
            return "слишком длинное имя файла";
        case EBADF:
            return "он закрыт";
        default:
            return std::strerror(error);
    }
}

Outcome WriteWholeFile(const std::string& named, std::string_view bytes) {
    // A link stays a link: the file it points to is the one replaced.
    const std::string path = ThroughLinks(named);
    struct stat old {};
    const bool existed = stat(path.c_str(), &old) == 0;
    if (existed && S_ISDIR(old.st_mode)) return Failed(EISDIR);
    // A file the user made read-only is not replaced behind their back.
    if (existed && access(path.c_str(), W_OK) != 0) return {"нет прав на запись в файл"};

    TemporaryFile file(path);
    if (file.Descriptor() < 0) return Failed(errno);
    // The new file gets the old one's permissions, or those of a file newly made.
    mode_t mode = old.st_mode & 07777;
    if (!existed) {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    if (fchmod(file.Descriptor(), mode) != 0) return Failed(errno);
    for (std::size_t written = 0; written < bytes.size();) {
        const ssize_t n = write(file.Descriptor(), bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return Failed(n < 0 ? errno : ENOSPC);
        written += static_cast<std::size_t>(n);
    }
    if (fsync(file.Descriptor()) != 0) return Failed(errno);
    if (!file.Close() || !file.RenameTo(path)) return Failed(errno);
    return {};
}
