#pragma once

#include "cutoffs.h"
#include "message.h"

#include <cstddef>
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
    // Markwise.ini in the profile's XdgUserFolder (user_folders.h).
    static std::string DefaultPath();

    explicit CProfile(std::string path = DefaultPath());
    const std::string& Path() const { return m_path; }

    // A profile larger than this is ignored as a whole.
    static constexpr std::size_t kMaxBytes = 1024 * 1024;

    // One line for each thing the program could not read as written (a value replaced by
    // its default, NUL bytes, a file too large or unreadable). While there is any, only
    // a write the teacher confirmed replaces the file; every other write leaves it as it is.
    std::vector<Message> ProblemMessages() const;
    std::vector<std::string> Problems() const; // in English

    // Who asked for a write: the program on its own, or the teacher (Preferences' OK).
    enum class Write { Automatic, Confirmed };

    // Section "Grade Cutoffs", keys "A+" ... "D-"; defaults for missing or unparsable keys.
    CGradeCutoffs ReadCutoffs() const;
    bool WriteCutoffs(const CGradeCutoffs& cutoffs, Write kind, std::string* error = nullptr) const;
    bool WriteCutoffs(const CGradeCutoffs& cutoffs, Write kind, Message* error) const;

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
