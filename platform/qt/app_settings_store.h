#pragma once
// The framework's small profile data: the list of recently used files, the
// main window's placement and toolbar state, and single values for whoever
// needs them later. Kept in QSettings under the organisation "Tarnwell" and
// the application "Navora 4.1"; tests point it at an ini file of their own.

#include <QByteArray>
#include <memory>
#include <string>
#include <vector>

class QSettings;

class AppSettingsStore {
public:
    static constexpr int kRecentFileCount = 4;

    // The user's profile of the program.
    AppSettingsStore();
    // An ini file at `iniPath` instead (created when missing).
    explicit AppSettingsStore(const std::string& iniPath);
    ~AppSettingsStore();
    AppSettingsStore(const AppSettingsStore&) = delete;
    AppSettingsStore& operator=(const AppSettingsStore&) = delete;

    // Most recent first, at most kRecentFileCount paths.
    std::vector<std::string> RecentFiles() const;
    // Puts `path` at the front; an entry naming the same file without regard
    // to case is removed, and the oldest entry falls off a full list.
    void AddRecentFile(const std::string& path);
    void RemoveRecentFile(const std::string& path);
    // Removes the entries whose file no longer exists; returns how many.
    int DropMissingRecentFiles();

    // Placement of the main window (QWidget::saveGeometry, QMainWindow::saveState
    // blobs). Empty when nothing was saved.
    void SaveWindowPlacement(const QByteArray& geometry, const QByteArray& state);
    QByteArray WindowGeometry() const;
    QByteArray WindowState() const;
    void SaveToolbarState(const QByteArray& state);
    QByteArray ToolbarState() const;

    // Single values by section and entry.
    std::string GetString(const std::string& section, const std::string& entry,
                          const std::string& fallback = {}) const;
    void SetString(const std::string& section, const std::string& entry, const std::string& value);
    int GetInt(const std::string& section, const std::string& entry, int fallback = 0) const;
    void SetInt(const std::string& section, const std::string& entry, int value);
    QByteArray GetBinary(const std::string& section, const std::string& entry) const;
    void SetBinary(const std::string& section, const std::string& entry, const QByteArray& value);

    // Writes pending changes to storage; false when that failed.
    bool Sync();
    QSettings& settings() { return *settings_; }

private:
    void StoreRecentFiles(const std::vector<std::string>& files);

    std::unique_ptr<QSettings> settings_;
};
