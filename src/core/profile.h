#pragma once

#include "cutoffs.h"

#include <optional>
#include <string>
#include <vector>

namespace markwise {

// A window's client rectangle in screen pixels.
struct WindowRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const WindowRect&) const = default;
};

// The user's profile: a plain INI file a person can read and edit, shared by the
// desktop program and the command-line tool. Writing keeps every other section.
class CProfile {
public:
    // $XDG_CONFIG_HOME/Markwise/Markwise.ini, else ~/.config/Markwise/Markwise.ini.
    static std::string DefaultPath();

    explicit CProfile(std::string path = DefaultPath());
    const std::string& Path() const { return m_path; }

    // Section "Grade Cutoffs", keys "A+" ... "D-"; defaults for missing or unparsable keys.
    CGradeCutoffs ReadCutoffs() const;
    bool WriteCutoffs(const CGradeCutoffs& cutoffs, std::string* error = nullptr) const;

    // Section "Recent File List", keys "File1" ... "File4", newest first.
    static constexpr int kRecentFileCount = 4;
    std::vector<std::string> ReadRecentFiles() const;
    bool WriteRecentFiles(const std::vector<std::string>& files,
                          std::string* error = nullptr) const;

    // Section "Main Window", keys "Left", "Top", "Width", "Height": the main window's last
    // size and place when it was not maximized. Empty when missing or not a sound rectangle.
    std::optional<WindowRect> ReadMainWindow() const;
    bool WriteMainWindow(const WindowRect& rect, std::string* error = nullptr) const;

private:
    std::string m_path;
};

} // namespace markwise
