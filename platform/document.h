#pragma once
// Base of every document: a path, a title, the modified flag and observers.
//
// Views subscribe and are told when the document calls UpdateAllViews. Values
// that a computation writes back while a view draws do not notify anybody:
// only explicit changes call UpdateAllViews.

#include <functional>
#include <string>
#include <vector>

class CDocument {
public:
    // hint: what changed (0 = everything); sender: the view that caused it.
    using Observer = std::function<void(CDocument& doc, int hint, const void* sender)>;

    CDocument() = default;
    virtual ~CDocument() = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    const std::string& GetPathName() const { return pathName_; }
    // Sets the path and makes the title the file name.
    virtual void SetPathName(const std::string& path);
    const std::string& GetTitle() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    bool IsModified() const { return modified_; }
    virtual void SetModifiedFlag(bool modified = true) { modified_ = modified; }

    // Returns a token for unsubscribe().
    int Subscribe(Observer observer);
    void Unsubscribe(int token);
    void UpdateAllViews(int hint = 0, const void* sender = nullptr);

private:
    std::string pathName_;
    std::string title_;
    bool modified_ = false;
    int nextToken_ = 1;
    std::vector<std::pair<int, Observer>> observers_;
};
