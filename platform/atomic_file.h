#pragma once
// Atomic replacement of a file: the data goes to a temporary file in the same
// folder, which is flushed to disk and then renamed over the target. Until
// commit() succeeds the old file stays untouched; an object destroyed without
// a successful commit removes its temporary file.

#include <cstddef>
#include <string>

class AtomicFile {
public:
    AtomicFile() = default;
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the temporary file beside `target`. Returns false (with errno
    // kept in error()) when that is not possible.
    bool open(const std::string& target);
    bool write(const void* data, size_t size);
    // Flushes, syncs and renames over the target; false on any failure, in
    // which case the target is unchanged.
    bool commit();
    // Drops the temporary file.
    void abort();

    bool isOpen() const { return fd_ >= 0; }
    int error() const { return error_; }
    const std::string& target() const { return target_; }

private:
    int fd_ = -1;
    int error_ = 0;
    std::string target_;
    std::string temp_;
};
