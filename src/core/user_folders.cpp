#include "user_folders.h"

#include <cstdlib>

namespace markwise {

std::string XdgUserFolder(UserFolder folder) {
    const bool profile = folder == UserFolder::Profile;
    const char* set = std::getenv(profile ? "XDG_CONFIG_HOME" : "XDG_STATE_HOME");
    // The XDG base directory rules ignore a relative path, as unsafe as it is unexpected.
    if (set && *set == '/')
        return std::string(set) + "/Markwise";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + (profile ? "/.config" : "/.local/state") + "/Markwise";
}

} // namespace markwise
