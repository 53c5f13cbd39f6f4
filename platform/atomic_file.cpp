#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/paths.h"

AtomicFile::~AtomicFile() { abort(); }

bool AtomicFile::open(const std::string& target) {
    abort();
    target_ = target;
    error_ = 0;
    std::string pattern = target + ".tmpXXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    fd_ = mkstemp(buf.data());
    if (fd_ < 0) {
        error_ = errno;
        return false;
    }
    temp_ = buf.data();
    // Keep the permissions of the file being replaced; new files get the
    // usual rw-r--r-- (subject to the umask).
    struct stat st;
    mode_t mode = 0644;
    if (stat(target.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
        mode |= S_IWUSR;  // a read-only file is still replaced
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode &= ~mask;
    }
    fchmod(fd_, mode);
    return true;
}

bool AtomicFile::write(const void* data, size_t size) {
    if (fd_ < 0) return false;
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd_, p, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            error_ = errno;
            return false;
        }
        p += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool AtomicFile::commit() {
    if (fd_ < 0) return false;
    if (fsync(fd_) != 0) {
        error_ = errno;
        abort();
        return false;
    }
    if (::close(fd_) != 0) {
        fd_ = -1;
        error_ = errno;
        abort();
        return false;
    }
    fd_ = -1;
    if (std::rename(temp_.c_str(), target_.c_str()) != 0) {
        error_ = errno;
        abort();
        return false;
    }
    temp_.clear();
    // Make the rename itself durable.
    std::string dir = dirPart(target_);
    if (dir.empty()) dir = ".";
    const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        fsync(dfd);
        ::close(dfd);
    }
    return true;
}

void AtomicFile::abort() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
}
