#include "user_folders.h"

#include "file_names.h"

#include <QStandardPaths>

namespace markwise {

QString UserFolderPath(UserFolder folder) {
#ifdef Q_OS_LINUX
    return pathFromBytes(XdgUserFolder(folder));
#else
    return QStandardPaths::writableLocation(folder == UserFolder::Profile
                                                ? QStandardPaths::AppConfigLocation
                                                : QStandardPaths::AppLocalDataLocation);
#endif
}

std::string DesktopProfilePath() {
    return pathBytes(UserFolderPath(UserFolder::Profile)) + "/Markwise.ini";
}

} // namespace markwise
