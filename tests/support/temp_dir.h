#pragma once
// A fresh temporary folder per test, removed afterwards.

#include <string>
#include <vector>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder, with a trailing '/'.
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

std::vector<unsigned char> readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const std::vector<unsigned char>& bytes);
void writeFileText(const std::string& path, const std::string& text);
// "03 41 42 43" style hex of a byte range, for readable failure messages.
std::string hexBytes(const std::vector<unsigned char>& bytes);
std::vector<unsigned char> fromHex(const std::string& hex);
