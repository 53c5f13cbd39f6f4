#include "core/archive.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/atomic_file.h"
#include "platform/numtext.h"

namespace {
constexpr size_t kBufferSize = 64 * 1024;

std::string errnoText(int err) { return std::strerror(err); }
}  // namespace

struct CArchive::FileSink {
    AtomicFile file;
};

CArchive::CArchive(const std::string& path, Mode mode) : mode_(mode), path_(path) {
    if (mode == load) {
        fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd_ < 0) {
            const int err = errno;
            throw FileError(err, path, "cannot open " + path + ": " + errnoText(err));
        }
        struct stat st;
        if (fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
            const int err = errno ? errno : EISDIR;
            ::close(fd_);
            fd_ = -1;
            throw FileError(err, path, "not a readable file: " + path);
        }
        length_ = static_cast<uint64_t>(st.st_size);
        buffer_.resize(kBufferSize);
    } else {
        sink_ = std::make_unique<FileSink>();
        if (!sink_->file.open(path)) {
            const int err = sink_->file.error();
            throw FileError(err, path, "cannot write " + path + ": " + errnoText(err));
        }
        buffer_.reserve(kBufferSize);
    }
}

CArchive::CArchive(std::vector<uint8_t> bytes) : mode_(load), inMemory_(true), memory_(std::move(bytes)) {
    length_ = memory_.size();
}

CArchive::CArchive() : mode_(store), inMemory_(true) {}

CArchive::~CArchive() {
    if (fd_ >= 0) ::close(fd_);
    // A storing archive that was never closed discards its temporary file
    // through the AtomicFile destructor.
}

void CArchive::FlushToFile() {
    if (!sink_ || buffer_.empty()) return;
    if (!sink_->file.write(buffer_.data(), buffer_.size())) {
        const int err = sink_->file.error();
        sink_->file.abort();
        throw FileError(err, path_, "cannot write " + path_ + ": " + errnoText(err));
    }
    buffer_.clear();
}

void CArchive::Close() {
    if (closed_) return;
    closed_ = true;
    if (mode_ == store && sink_) {
        FlushToFile();
        if (!sink_->file.commit()) {
            const int err = sink_->file.error();
            throw FileError(err, path_, "cannot save " + path_ + ": " + errnoText(err));
        }
    }
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

void CArchive::WriteRaw(const void* data, size_t size) {
    if (mode_ != store) throw std::logic_error("archive is not storing");
    const auto* p = static_cast<const uint8_t*>(data);
    position_ += size;
    if (inMemory_) {
        memory_.insert(memory_.end(), p, p + size);
        return;
    }
    if (buffer_.size() + size > kBufferSize) FlushToFile();
    if (size >= kBufferSize) {
        if (!sink_->file.write(p, size)) {
            const int err = sink_->file.error();
            throw FileError(err, path_, "cannot write " + path_ + ": " + errnoText(err));
        }
        return;
    }
    buffer_.insert(buffer_.end(), p, p + size);
}

[[noreturn]] void CArchive::ThrowEof(size_t wanted) const {
    throw ArchiveError(ArchiveError::Cause::EndOfFile,
                       strFormat("unexpected end of file: %zu bytes wanted at offset %llu of %llu", wanted,
                                 static_cast<unsigned long long>(position_),
                                 static_cast<unsigned long long>(length_)));
}

void CArchive::Fill() {
    bufferPos_ = 0;
    bufferEnd_ = 0;
    for (;;) {
        const ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int err = errno;
            throw FileError(err, path_, "cannot read " + path_ + ": " + errnoText(err));
        }
        bufferEnd_ = static_cast<size_t>(n);
        return;
    }
}

void CArchive::ReadRaw(void* data, size_t size) {
    if (mode_ != load) throw std::logic_error("archive is not loading");
    if (size > BytesLeft()) ThrowEof(size);
    auto* out = static_cast<uint8_t*>(data);
    if (inMemory_) {
        std::memcpy(out, memory_.data() + position_, size);
        position_ += size;
        return;
    }
    size_t done = 0;
    while (done < size) {
        if (bufferPos_ == bufferEnd_) {
            Fill();
            if (bufferEnd_ == 0) ThrowEof(size - done);  // the file shrank while reading
        }
        const size_t n = std::min(size - done, bufferEnd_ - bufferPos_);
        std::memcpy(out + done, buffer_.data() + bufferPos_, n);
        bufferPos_ += n;
        done += n;
    }
    position_ += size;
}

std::vector<uint8_t> CArchive::ReadBlock(size_t size) {
    if (size > BytesLeft()) ThrowEof(size);
    std::vector<uint8_t> out(size);
    if (size) ReadRaw(out.data(), size);
    return out;
}

int8_t CArchive::ReadI8() {
    int8_t v;
    ReadRaw(&v, 1);
    return v;
}

uint8_t CArchive::ReadU8() {
    uint8_t v;
    ReadRaw(&v, 1);
    return v;
}

void CArchive::WriteLE(uint64_t v, int bytes) {
    uint8_t b[8];
    for (int i = 0; i < bytes; ++i) b[i] = static_cast<uint8_t>(v >> (8 * i));
    WriteRaw(b, static_cast<size_t>(bytes));
}

uint64_t CArchive::ReadLE(int bytes) {
    uint8_t b[8];
    ReadRaw(b, static_cast<size_t>(bytes));
    uint64_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[i];
    return v;
}

void CArchive::WriteFloat(float v) {
    uint32_t bits;
    std::memcpy(&bits, &v, 4);
    WriteLE(bits, 4);
}

void CArchive::WriteDouble(double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, 8);
    WriteLE(bits, 8);
}

float CArchive::ReadFloat() {
    const auto bits = static_cast<uint32_t>(ReadLE(4));
    float v;
    std::memcpy(&v, &bits, 4);
    return v;
}

double CArchive::ReadDouble() {
    const uint64_t bits = ReadLE(8);
    double v;
    std::memcpy(&v, &bits, 8);
    return v;
}

void CArchive::WriteFixedText(const std::string& utf8, size_t width, CodePage cp) {
    if (width == 0) return;
    std::string bytes = fromUtf8(utf8, cp);
    const size_t nul = bytes.find('\0');
    if (nul != std::string::npos) bytes.resize(nul);
    if (bytes.size() > width - 1) bytes.resize(width - 1);
    bytes.resize(width, '\0');
    WriteRaw(bytes.data(), width);
}

std::string CArchive::ReadFixedText(size_t width, CodePage cp) {
    std::vector<uint8_t> raw = ReadBlock(width);
    size_t len = 0;
    while (len < raw.size() && raw[len] != 0) ++len;
    return toUtf8(std::string_view(reinterpret_cast<const char*>(raw.data()), len), cp);
}

void CArchive::WriteString(const std::string& utf8) {
    const std::string bytes = fromUtf8(utf8, CodePage::Windows1252);
    const size_t n = bytes.size();
    if (n < 255) {
        WriteU8(static_cast<uint8_t>(n));
    } else if (n < 0xFFFE) {
        WriteU8(0xFF);
        WriteU16(static_cast<uint16_t>(n));
    } else {
        WriteU8(0xFF);
        WriteU16(0xFFFF);
        WriteU32(static_cast<uint32_t>(n));
    }
    WriteRaw(bytes.data(), n);
}

std::string CArchive::ReadString() {
    bool wide = false;
    uint64_t length = 0;
    for (int prefix = 0;; ++prefix) {
        const uint8_t b = ReadU8();
        if (b < 0xFF) {
            length = b;
            break;
        }
        const uint16_t w = ReadU16();
        if (w == 0xFFFE) {
            // Marks wide text; the real length prefix follows. Only one such
            // marker may stand before a length.
            if (prefix > 0)
                throw ArchiveError(ArchiveError::Cause::BadFormat, "malformed archive string length");
            wide = true;
            continue;
        }
        length = w == 0xFFFF ? ReadU32() : w;
        break;
    }
    const uint64_t bytes = wide ? length * 2 : length;
    CheckCount(static_cast<int64_t>(bytes), 1, "string length");
    std::vector<uint8_t> raw = ReadBlock(static_cast<size_t>(bytes));
    const std::string_view view(reinterpret_cast<const char*>(raw.data()), raw.size());
    return wide ? utf16leToUtf8(view, CodePage::Windows1252) : toUtf8(view, CodePage::Windows1252);
}

uint64_t CArchive::GetFileLength() const { return mode_ == load ? length_ : position_; }

uint64_t CArchive::BytesLeft() const { return mode_ == load ? length_ - position_ : 0; }

void CArchive::CheckCount(int64_t count, uint64_t recordSize, const char* what) const {
    if (count < 0) {
        throw ArchiveError(ArchiveError::Cause::BadLength,
                           strFormat("negative %s %lld at offset %llu", what, static_cast<long long>(count),
                                     static_cast<unsigned long long>(position_)));
    }
    const uint64_t left = BytesLeft();
    if (recordSize != 0 && static_cast<uint64_t>(count) > left / recordSize) {
        throw ArchiveError(ArchiveError::Cause::BadLength,
                           strFormat("%s %lld exceeds the %llu bytes left at offset %llu", what,
                                     static_cast<long long>(count), static_cast<unsigned long long>(left),
                                     static_cast<unsigned long long>(position_)));
    }
}
