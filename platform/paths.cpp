#include "platform/paths.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>

#include "platform/atomic_file.h"
#include "platform/encoding.h"

namespace {
std::string& programDirStorage() {
    static std::string dir = currentDirectory();
    return dir;
}

size_t lastSeparator(const std::string& path) { return path.find_last_of("/\\"); }
}  // namespace

const std::string& programDir() { return programDirStorage(); }

void setProgramDir(const std::string& dir) { programDirStorage() = withTrailingSeparator(dir); }

std::string currentDirectory() {
    char buf[PATH_MAX];
    if (!getcwd(buf, sizeof buf)) return "./";
    return withTrailingSeparator(buf);
}

std::string dirPart(const std::string& path) {
    const size_t p = lastSeparator(path);
    return p == std::string::npos ? std::string() : path.substr(0, p + 1);
}

std::string baseName(const std::string& path) {
    const size_t p = lastSeparator(path);
    return p == std::string::npos ? path : path.substr(p + 1);
}

std::string fileTitle(const std::string& path) {
    std::string base = baseName(path);
    const size_t dot = base.rfind('.');
    return dot == std::string::npos ? base : base.substr(0, dot);
}

std::string fileExtension(const std::string& path) {
    std::string base = baseName(path);
    const size_t dot = base.rfind('.');
    return dot == std::string::npos ? std::string() : base.substr(dot + 1);
}

std::string withTrailingSeparator(const std::string& dir) {
    if (!dir.empty() && (dir.back() == '/' || dir.back() == '\\')) return dir;
    return dir + "/";
}

bool fileExists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool directoryExists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

long long fileSize(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) return -1;
    return static_cast<long long>(st.st_size);
}

std::optional<std::string> findNoCase(const std::string& dir, const std::string& name) {
    const std::string base = withTrailingSeparator(dir.empty() ? std::string(".") : dir);
    struct stat st;
    if (stat((base + name).c_str(), &st) == 0) return base + name;
    DIR* d = opendir(base.c_str());
    if (!d) return std::nullopt;
    std::optional<std::string> found;
    while (dirent* e = readdir(d)) {
        if (equalsNoCase(e->d_name, name)) {
            found = base + e->d_name;
            break;
        }
    }
    closedir(d);
    return found;
}

std::vector<std::string> listFilesWithSuffix(const std::string& dir, const std::string& suffix) {
    std::vector<std::string> out;
    const std::string base = withTrailingSeparator(dir);
    DIR* d = opendir(base.c_str());
    if (!d) return out;
    while (dirent* e = readdir(d)) {
        const std::string name = e->d_name;
        if (name.size() < suffix.size()) continue;
        if (!equalsNoCase(std::string_view(name).substr(name.size() - suffix.size()), suffix)) continue;
        if (fileExists(base + name)) out.push_back(base + name);
    }
    closedir(d);
    std::sort(out.begin(), out.end());
    return out;
}

std::string resolveStoredPath(const std::string& stored, const std::string& baseDir) {
    std::string unixPath = stored;
    std::replace(unixPath.begin(), unixPath.end(), '\\', '/');
    if (fileExists(unixPath)) return unixPath;
    const std::string name = baseName(unixPath);
    if (name.empty()) return unixPath;
    std::string folderPath = dirPart(unixPath);
    if (!folderPath.empty()) folderPath.pop_back();
    const std::string parent = baseName(folderPath);
    if (!parent.empty() && parent.find(':') == std::string::npos) {
        if (auto folder = findNoCase(baseDir, parent)) {
            if (auto hit = findNoCase(*folder, name)) return *hit;
        }
    }
    if (auto hit = findNoCase(baseDir, name)) return *hit;
    return unixPath;
}

bool copyFile(const std::string& from, const std::string& to) {
    FILE* in = std::fopen(from.c_str(), "rb");
    if (!in) return false;
    AtomicFile out;
    bool ok = out.open(to);
    char buf[65536];
    while (ok) {
        const size_t n = std::fread(buf, 1, sizeof buf, in);
        if (n > 0) ok = out.write(buf, n);
        if (n < sizeof buf) {
            ok = ok && !std::ferror(in);
            break;
        }
    }
    std::fclose(in);
    return ok && out.commit();
}
