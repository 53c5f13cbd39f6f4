#include "core/app_recent_files.h"

#include "platform/encoding.h"
#include "platform/paths.h"

namespace {
std::function<void(const std::string&)>& sinkStorage() {
    static std::function<void(const std::string&)> sink;
    return sink;
}
}  // namespace

bool IsRecentFileCandidate(const std::string& path) {
    return equalsNoCase(fileExtension(path), "way");
}

void AddToRecentFileList(const std::string& path) {
    if (!IsRecentFileCandidate(path)) return;
    if (const auto& sink = sinkStorage()) sink(path);
}

void SetRecentFileSink(std::function<void(const std::string&)> sink) {
    sinkStorage() = std::move(sink);
}
