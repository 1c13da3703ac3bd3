#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/whole_file.h"

namespace {

std::string folder_of(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool write_all(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The rename itself reaches the disk only with the folder's entry.
void flush_folder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// The bytes in a flushed temporary file beside path, with the given mode; its name, or
// an empty text when it could not be made whole.
std::string write_temporary(const std::string& path, std::string_view bytes, mode_t mode) {
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return {};
    const bool written = ::fchmod(fd, mode) == 0 && write_all(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) == 0 && written) return temporary;
    ::unlink(temporary.c_str());
    return {};
}

mode_t usual_mode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

ReplaceOutcome replace_file(const std::string& path, std::string_view bytes) {
    if (path.empty()) return ReplaceOutcome::failed;
    struct stat target {};
    const bool exists = ::stat(path.c_str(), &target) == 0;
    if (exists && !S_ISREG(target.st_mode)) return ReplaceOutcome::failed;
    // Root could replace it; the permission bits still say no, as for the files we open.
    if (exists && (target.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return ReplaceOutcome::read_only;

    const std::string temporary = write_temporary(path, bytes, exists ? (target.st_mode & 07777) : usual_mode());
    if (temporary.empty()) return ReplaceOutcome::failed;
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return ReplaceOutcome::failed;
    }
    flush_folder(folder_of(path));
    return ReplaceOutcome::done;
}

CreateOutcome create_file(const std::string& path, std::string_view bytes) {
    if (path.empty()) return CreateOutcome::failed;
    const std::string temporary = write_temporary(path, bytes, usual_mode());
    if (temporary.empty()) return CreateOutcome::failed;
    // link, unlike rename, refuses a name that exists.
    const int linked = ::link(temporary.c_str(), path.c_str());
    const int link_error = errno;
    ::unlink(temporary.c_str());
    if (linked != 0) return link_error == EEXIST ? CreateOutcome::exists : CreateOutcome::failed;
    flush_folder(folder_of(path));
    return CreateOutcome::done;
}

bool read_whole_file(const std::string& path, std::string& bytes) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    char block[64 * 1024];
    while (ok) {
        const ssize_t n = ::read(fd, block, sizeof block);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        if (n <= 0) break;
        bytes.append(block, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return ok;
}

bool same_file(const std::string& a, const std::string& b) {
    struct stat sa {}, sb {};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

PathKind path_kind(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return S_ISREG(st.st_mode) ? PathKind::file : PathKind::other;
    return ::lstat(path.c_str(), &st) == 0 ? PathKind::other : PathKind::missing;
}
