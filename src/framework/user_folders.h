#pragma once

#include "core/user_folders.h"

#include <QString>

namespace markwise {

// The one place the desktop program finds its folders: on Linux the XDG rule the
// command-line tool follows too (XdgUserFolder); elsewhere the platform's own places, from
// QStandardPaths. The folder may not exist yet.
QString UserFolderPath(UserFolder folder);
// Markwise.ini in the profile's folder.
std::string DesktopProfilePath();

} // namespace markwise
