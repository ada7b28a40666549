#include "profile.h"

#include "atomic_file.h"
#include "file_bytes.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>

// Keys and values are stored as the bytes given; no wide-character conversion is wanted.
// Debian's header keeps its template bodies behind SI_IMPLEMENTATION; this is the one
// translation unit that includes it, so it instantiates them here.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

namespace markwise {

namespace {

// A settings file is a few hundred bytes; reading one of gigabytes would only waste memory.
constexpr std::size_t kMaxProfileSize = 1u << 20;

constexpr const char* kCutoffSection = "Grade Cutoffs";
constexpr const char* kRecentSection = "Recent File List";
constexpr const char* kWindowSection = "Main Window";
constexpr std::array<const char*, 4> kWindowKeys = {"Left", "Top", "Width", "Height"};

// The order in which the grade sheet has always written the keys.
constexpr std::array<int, kGradeCount - 1> kWriteOrder = {0, 2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11};

std::string RecentKey(int i) {
    return "File" + std::to_string(i + 1);
}

void Configure(CSimpleIniA& ini) {
    ini.SetUnicode(true);
    ini.SetMultiKey(false);
    ini.SetMultiLine(false);
    ini.SetSpaces(false);
}

// Loads the profile. A missing file is an empty profile; any other failure is reported,
// so that a writer never replaces a file it could not read.
bool LoadProfile(const std::string& path, CSimpleIniA& ini, std::string* error) {
    Configure(ini);
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 && errno == ENOENT) {
        return true; // no profile yet: an empty one
    }
    std::vector<unsigned char> bytes;
    std::string reason;
    if (ReadFileBytes(path, kMaxProfileSize, "any settings file", bytes, reason)) {
        if (ini.LoadData(reinterpret_cast<const char*>(bytes.data()), bytes.size()) >= 0) {
            return true;
        }
        reason = "It is damaged.";
    }
    if (error) {
        *error = "Could not read the settings file \"" + path + "\". " + reason;
    }
    return false;
}

bool ParseInt(const char* text, int& value) {
    std::string_view view(text);
    while (!view.empty() && (view.front() == ' ' || view.front() == '\t')) {
        view.remove_prefix(1);
    }
    while (!view.empty() && (view.back() == ' ' || view.back() == '\t')) {
        view.remove_suffix(1);
    }
    if (!view.empty() && view.front() == '+') {
        view.remove_prefix(1);
    }
    const auto [end, ec] = std::from_chars(view.data(), view.data() + view.size(), value);
    return ec == std::errc() && end == view.data() + view.size() && !view.empty();
}

bool SaveProfile(const std::string& path, const CSimpleIniA& ini, std::string* error) {
    std::string text;
    std::string failure;
    if (ini.Save(text) < 0) {
        failure = "Could not save the settings.";
    } else {
        const std::filesystem::path folder = std::filesystem::path(path).parent_path();
        std::error_code ec;
        if (!folder.empty()) {
            std::filesystem::create_directories(folder, ec);
        }
        if (ec) {
            failure = "Could not create the settings folder \"" + folder.string() + "\". " +
                      ec.message() + ".";
        } else if (WriteFileAtomically(path, text.data(), text.size(), failure)) {
            return true;
        }
    }
    if (error) {
        *error = failure;
    }
    return false;
}

} // namespace

std::string CProfile::DefaultPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string folder;
    if (config && *config) {
        folder = config;
    } else {
        const char* home = std::getenv("HOME");
        folder = std::string(home ? home : "") + "/.config";
    }
    return folder + "/Markwise/Markwise.ini";
}

CProfile::CProfile(std::string path) : m_path(std::move(path)) {}

CGradeCutoffs CProfile::ReadCutoffs() const {
    CGradeCutoffs cutoffs;
    CSimpleIniA ini;
    if (!LoadProfile(m_path, ini, nullptr)) {
        return cutoffs;
    }
    for (int grade = 0; grade < kGradeCount - 1; ++grade) {
        const std::string key(kGradeNames[grade]);
        const char* text = ini.GetValue(kCutoffSection, key.c_str());
        int value;
        if (text && ParseInt(text, value)) {
            cutoffs.Set(grade, value);
        }
    }
    return cutoffs;
}

bool CProfile::WriteCutoffs(const CGradeCutoffs& cutoffs, std::string* error) const {
    CSimpleIniA ini;
    if (!LoadProfile(m_path, ini, error)) {
        return false;
    }
    for (const int grade : kWriteOrder) {
        const std::string key(kGradeNames[grade]);
        ini.SetValue(kCutoffSection, key.c_str(), std::to_string(cutoffs.Get(grade)).c_str());
    }
    return SaveProfile(m_path, ini, error);
}

std::vector<std::string> CProfile::ReadRecentFiles() const {
    std::vector<std::string> files;
    CSimpleIniA ini;
    if (!LoadProfile(m_path, ini, nullptr)) {
        return files;
    }
    for (int i = 0; i < kRecentFileCount; ++i) {
        const char* file = ini.GetValue(kRecentSection, RecentKey(i).c_str());
        if (file && *file) {
            files.emplace_back(file);
        }
    }
    return files;
}

bool CProfile::WriteRecentFiles(const std::vector<std::string>& files, std::string* error) const {
    CSimpleIniA ini;
    if (!LoadProfile(m_path, ini, error)) {
        return false;
    }
    int written = 0;
    for (const std::string& file : files) {
        // A name with a line break cannot be kept in a line-based file.
        if (written == kRecentFileCount || file.empty() ||
            file.find_first_of("\r\n") != std::string::npos) {
            continue;
        }
        ini.SetValue(kRecentSection, RecentKey(written).c_str(), file.c_str());
        ++written;
    }
    for (int i = written; i < kRecentFileCount; ++i) {
        ini.Delete(kRecentSection, RecentKey(i).c_str(), true);
    }
    return SaveProfile(m_path, ini, error);
}

std::optional<WindowRect> CProfile::ReadMainWindow() const {
    CSimpleIniA ini;
    if (!LoadProfile(m_path, ini, nullptr)) {
        return std::nullopt;
    }
    std::array<int, 4> values{};
    for (std::size_t i = 0; i < kWindowKeys.size(); ++i) {
        const char* text = ini.GetValue(kWindowSection, kWindowKeys[i]);
        if (!text || !ParseInt(text, values[i])) {
            return std::nullopt;
        }
    }
    if (values[2] <= 0 || values[3] <= 0) {
        return std::nullopt;
    }
    return WindowRect{values[0], values[1], values[2], values[3]};
}

bool CProfile::WriteMainWindow(const WindowRect& rect, std::string* error) const {
    CSimpleIniA ini;
    if (!LoadProfile(m_path, ini, error)) {
        return false;
    }
    const std::array<int, 4> values = {rect.left, rect.top, rect.width, rect.height};
    for (std::size_t i = 0; i < kWindowKeys.size(); ++i) {
        ini.SetValue(kWindowSection, kWindowKeys[i], std::to_string(values[i]).c_str());
    }
    return SaveProfile(m_path, ini, error);
}

} // namespace markwise
