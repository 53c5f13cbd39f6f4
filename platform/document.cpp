#include "platform/document.h"

#include <algorithm>

#include "platform/paths.h"

void CDocument::SetPathName(const std::string& path) {
    pathName_ = path;
    title_ = baseName(path);
}

int CDocument::Subscribe(Observer observer) {
    const int token = nextToken_++;
    observers_.emplace_back(token, std::move(observer));
    return token;
}

void CDocument::Unsubscribe(int token) {
    observers_.erase(std::remove_if(observers_.begin(), observers_.end(),
                                    [token](const auto& o) { return o.first == token; }),
                     observers_.end());
}

void CDocument::UpdateAllViews(int hint, const void* sender) {
    // Observers may unsubscribe while being told; work on a copy.
    const auto current = observers_;
    for (const auto& [token, observer] : current) observer(*this, hint, sender);
}
