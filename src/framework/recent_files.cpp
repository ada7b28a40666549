#include "recent_files.h"

#include "core/profile.h"
#include "file_names.h"

#include <string>
#include <vector>

namespace markwise {

void RecentFiles::load() {
    m_files.clear();
    for (const std::string& file : m_profile.ReadRecentFiles()) {
        if (!file.empty() && m_files.size() < CProfile::kRecentFileCount) {
            m_files.append(pathFromBytes(file));
        }
    }
    emit changed();
}

void RecentFiles::add(const QString& path) {
    m_files.removeAll(path);
    m_files.prepend(path);
    while (m_files.size() > CProfile::kRecentFileCount) {
        m_files.removeLast();
    }
    save();
}

void RecentFiles::remove(const QString& path) {
    m_files.removeAll(path);
    save();
}

void RecentFiles::save() {
    std::vector<std::string> files;
    for (const QString& file : m_files) {
        files.push_back(pathBytes(file));
    }
    m_profile.WriteRecentFiles(files);
    emit changed();
}

} // namespace markwise
