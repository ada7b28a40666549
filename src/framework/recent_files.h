#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace markwise {

class CProfile;

// The recent-file list of the File menu, kept in the profile: newest first, at most
// four. Owned by the application; every change is written at once.
class RecentFiles : public QObject {
    Q_OBJECT
public:
    explicit RecentFiles(CProfile& profile) : m_profile(profile) {}

    // The list the profile holds.
    void load();
    const QStringList& files() const { return m_files; }
    // path becomes the newest entry.
    void add(const QString& path);
    // A file that could not be opened leaves the list.
    void remove(const QString& path);

signals:
    void changed();

private:
    void save();

    CProfile& m_profile;
    QStringList m_files;
};

} // namespace markwise
