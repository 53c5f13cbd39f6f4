#include "platform/qt/app_settings_store.h"

#include <QFileInfo>
#include <QSettings>
#include <QString>
#include <algorithm>

#include "platform/encoding.h"

namespace {

const char* const kRecentGroup = "Recent File List";
const char* const kPlacementGroup = "Settings";

QString q(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString key(const std::string& section, const std::string& entry) {
    return q(section) + "/" + q(entry);
}

QString recentKey(int index) {
    return QString("%1/File%2").arg(kRecentGroup).arg(index + 1);
}

}  // namespace

AppSettingsStore::AppSettingsStore() : settings_(std::make_unique<QSettings>("Tarnwell", "Navora 4.1")) {}

AppSettingsStore::AppSettingsStore(const std::string& iniPath)
    : settings_(std::make_unique<QSettings>(q(iniPath), QSettings::IniFormat)) {}

AppSettingsStore::~AppSettingsStore() = default;

std::vector<std::string> AppSettingsStore::RecentFiles() const {
    std::vector<std::string> files;
    for (int i = 0; i < kRecentFileCount; ++i) {
        const std::string path = settings_->value(recentKey(i)).toString().toStdString();
        if (!path.empty()) files.push_back(path);
    }
    return files;
}

void AppSettingsStore::StoreRecentFiles(const std::vector<std::string>& files) {
    for (int i = 0; i < kRecentFileCount; ++i) {
        if (i < static_cast<int>(files.size()))
            settings_->setValue(recentKey(i), q(files[static_cast<size_t>(i)]));
        else
            settings_->remove(recentKey(i));
    }
}

void AppSettingsStore::AddRecentFile(const std::string& path) {
    if (path.empty()) return;
    const std::string full = QFileInfo(q(path)).absoluteFilePath().toStdString();
    std::vector<std::string> files = RecentFiles();
    std::erase_if(files, [&](const std::string& f) { return equalsNoCase(f, full); });
    files.insert(files.begin(), full);
    if (files.size() > static_cast<size_t>(kRecentFileCount)) files.resize(kRecentFileCount);
    StoreRecentFiles(files);
}

void AppSettingsStore::RemoveRecentFile(const std::string& path) {
    const std::string full = path.empty() ? path : QFileInfo(q(path)).absoluteFilePath().toStdString();
    std::vector<std::string> files = RecentFiles();
    if (std::erase_if(files, [&](const std::string& f) { return equalsNoCase(f, full); }) > 0)
        StoreRecentFiles(files);
}

int AppSettingsStore::DropMissingRecentFiles() {
    std::vector<std::string> files = RecentFiles();
    const auto removed = std::erase_if(files, [](const std::string& f) { return !QFileInfo::exists(q(f)); });
    if (removed > 0) StoreRecentFiles(files);
    return static_cast<int>(removed);
}

void AppSettingsStore::SaveWindowPlacement(const QByteArray& geometry, const QByteArray& state) {
    settings_->setValue(QString("%1/WindowGeometry").arg(kPlacementGroup), geometry);
    settings_->setValue(QString("%1/WindowState").arg(kPlacementGroup), state);
}

QByteArray AppSettingsStore::WindowGeometry() const {
    return settings_->value(QString("%1/WindowGeometry").arg(kPlacementGroup)).toByteArray();
}

QByteArray AppSettingsStore::WindowState() const {
    return settings_->value(QString("%1/WindowState").arg(kPlacementGroup)).toByteArray();
}

void AppSettingsStore::SaveToolbarState(const QByteArray& state) {
    settings_->setValue(QString("%1/ToolbarState").arg(kPlacementGroup), state);
}

QByteArray AppSettingsStore::ToolbarState() const {
    return settings_->value(QString("%1/ToolbarState").arg(kPlacementGroup)).toByteArray();
}

std::string AppSettingsStore::GetString(const std::string& section, const std::string& entry,
                                        const std::string& fallback) const {
    const QVariant v = settings_->value(key(section, entry));
    return v.isValid() ? v.toString().toStdString() : fallback;
}

void AppSettingsStore::SetString(const std::string& section, const std::string& entry,
                                 const std::string& value) {
    settings_->setValue(key(section, entry), q(value));
}

int AppSettingsStore::GetInt(const std::string& section, const std::string& entry, int fallback) const {
    bool ok = false;
    const int v = settings_->value(key(section, entry)).toInt(&ok);
    return ok ? v : fallback;
}

void AppSettingsStore::SetInt(const std::string& section, const std::string& entry, int value) {
    settings_->setValue(key(section, entry), value);
}

QByteArray AppSettingsStore::GetBinary(const std::string& section, const std::string& entry) const {
    return settings_->value(key(section, entry)).toByteArray();
}

void AppSettingsStore::SetBinary(const std::string& section, const std::string& entry,
                                 const QByteArray& value) {
    settings_->setValue(key(section, entry), value);
}

bool AppSettingsStore::Sync() {
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}
