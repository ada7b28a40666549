#pragma once

#include <string>

namespace markwise {

// The folders Markwise keeps the user's files in, each holding a folder "Markwise".
enum class UserFolder {
    Profile, // the settings a person may read and edit
    State,   // what the program keeps for itself between runs (recovery copies)
};

// The XDG rule Linux desktops follow: $XDG_CONFIG_HOME or ~/.config for the profile,
// $XDG_STATE_HOME or ~/.local/state for the state, then "/Markwise". The command-line tool
// uses it everywhere; the desktop program through UserFolderPath (framework/user_folders.h).
std::string XdgUserFolder(UserFolder folder);

} // namespace markwise
