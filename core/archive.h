#pragma once
// The archive stream of every data file: little-endian primitives, fixed text
// fields, length-prefixed archive strings and raw blocks, over a file or a
// memory buffer, for storing or for loading.
//
// Storing to a file goes through an atomic save: the bytes land in a
// temporary file that Close() renames over the target, so a failed save
// leaves the previous file as it was. Loading checks every read against the
// bytes left; callers check counts and lengths with CheckCount before they
// allocate anything.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/encoding.h"

// Short or malformed input.
class ArchiveError : public std::runtime_error {
public:
    enum class Cause { EndOfFile, BadLength, BadFormat };
    ArchiveError(Cause cause, const std::string& what) : std::runtime_error(what), cause_(cause) {}
    Cause cause() const { return cause_; }

private:
    Cause cause_;
};

// Input or output failure of the file itself (missing, unreadable, disk full).
class FileError : public std::runtime_error {
public:
    FileError(int errorNumber, const std::string& path, const std::string& what)
        : std::runtime_error(what), errorNumber_(errorNumber), path_(path) {}
    int errorNumber() const { return errorNumber_; }
    const std::string& path() const { return path_; }

private:
    int errorNumber_;
    std::string path_;
};

class CArchive {
public:
    enum Mode { store, load };

    // Opens a file; throws FileError when that is not possible.
    CArchive(const std::string& path, Mode mode);
    // A loading archive over bytes in memory.
    explicit CArchive(std::vector<uint8_t> bytes);
    // A storing archive into memory (see Bytes()).
    CArchive();
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const { return mode_ == store; }
    bool IsLoading() const { return mode_ == load; }
    const std::string& Path() const { return path_; }

    // Storing: writes the buffer out and, for a file, replaces the target
    // atomically. Throws FileError on failure (the old file is untouched).
    // Loading: releases the file. Without Close, a storing archive discards
    // everything it wrote.
    void Close();
    // The bytes of a memory archive (storing: written so far).
    const std::vector<uint8_t>& Bytes() const { return memory_; }

    // ---- primitives -------------------------------------------------------
    void WriteI8(int8_t v) { WriteRaw(&v, 1); }
    void WriteU8(uint8_t v) { WriteRaw(&v, 1); }
    void WriteI16(int16_t v) { WriteLE(static_cast<uint16_t>(v), 2); }
    void WriteU16(uint16_t v) { WriteLE(v, 2); }
    void WriteI32(int32_t v) { WriteLE(static_cast<uint32_t>(v), 4); }
    void WriteU32(uint32_t v) { WriteLE(v, 4); }
    void WriteFloat(float v);
    void WriteDouble(double v);

    int8_t ReadI8();
    uint8_t ReadU8();
    int16_t ReadI16() { return static_cast<int16_t>(ReadLE(2)); }
    uint16_t ReadU16() { return static_cast<uint16_t>(ReadLE(2)); }
    int32_t ReadI32() { return static_cast<int32_t>(ReadLE(4)); }
    uint32_t ReadU32() { return static_cast<uint32_t>(ReadLE(4)); }
    float ReadFloat();
    double ReadDouble();

    // Either direction, for symmetric serialisation code.
    void Io(int8_t& v) { IsStoring() ? WriteI8(v) : void(v = ReadI8()); }
    void Io(uint8_t& v) { IsStoring() ? WriteU8(v) : void(v = ReadU8()); }
    void Io(int16_t& v) { IsStoring() ? WriteI16(v) : void(v = ReadI16()); }
    void Io(uint16_t& v) { IsStoring() ? WriteU16(v) : void(v = ReadU16()); }
    void Io(int32_t& v) { IsStoring() ? WriteI32(v) : void(v = ReadI32()); }
    void Io(uint32_t& v) { IsStoring() ? WriteU32(v) : void(v = ReadU32()); }
    void Io(float& v) { IsStoring() ? WriteFloat(v) : void(v = ReadFloat()); }
    void Io(double& v) { IsStoring() ? WriteDouble(v) : void(v = ReadDouble()); }

    // ---- raw blocks ---------------------------------------------------------
    void WriteRaw(const void* data, size_t size);
    void ReadRaw(void* data, size_t size);
    std::vector<uint8_t> ReadBlock(size_t size);
    void IoRaw(void* data, size_t size) { IsStoring() ? WriteRaw(data, size) : ReadRaw(data, size); }

    // ---- fixed text fields --------------------------------------------------
    // A field of `width` bytes: the text in the code page, cut to width - 1
    // bytes, a NUL, and zeros up to the width.
    void WriteFixedText(const std::string& utf8, size_t width, CodePage cp = CodePage::Windows1252);
    // Reads `width` bytes; everything from the first NUL on is ignored.
    std::string ReadFixedText(size_t width, CodePage cp = CodePage::Windows1252);
    void IoFixedText(std::string& utf8, size_t width, CodePage cp = CodePage::Windows1252) {
        IsStoring() ? WriteFixedText(utf8, width, cp) : void(utf8 = ReadFixedText(width, cp));
    }

    // ---- archive strings ----------------------------------------------------
    // Length prefix (1, 3 or 7 bytes) and the Windows-1252 bytes.
    void WriteString(const std::string& utf8);
    // Also accepts the wide-text form (UTF-16LE).
    std::string ReadString();
    void IoString(std::string& utf8) { IsStoring() ? WriteString(utf8) : void(utf8 = ReadString()); }

    // ---- sizes --------------------------------------------------------------
    // Length of the underlying file (loading) or bytes written (storing).
    uint64_t GetFileLength() const;
    uint64_t Position() const { return position_; }
    uint64_t BytesLeft() const;
    // Throws ArchiveError(BadLength) unless `count` records of `recordSize`
    // bytes fit into what is left. Call before allocating for a count read
    // from the file.
    void CheckCount(int64_t count, uint64_t recordSize, const char* what = "count") const;

private:
    void WriteLE(uint64_t v, int bytes);
    uint64_t ReadLE(int bytes);
    void Fill();
    [[noreturn]] void ThrowEof(size_t wanted) const;
    void FlushToFile();

    struct FileSink;
    Mode mode_;
    std::string path_;
    bool inMemory_ = false;
    std::vector<uint8_t> memory_;   // memory archives
    int fd_ = -1;                   // loading from a file
    std::unique_ptr<FileSink> sink_;  // storing to a file
    std::vector<uint8_t> buffer_;   // file buffer
    size_t bufferPos_ = 0;
    size_t bufferEnd_ = 0;
    uint64_t length_ = 0;
    uint64_t position_ = 0;
    bool closed_ = false;
};
