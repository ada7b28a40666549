#include "profile.h"

#include "atomic_file.h"
#include "number_text.h"
#include "shown_text.h"
#include "user_folders.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <system_error>

// Keys and values are stored as the bytes given; no wide-character conversion is wanted.
// Debian's header keeps its template bodies behind SI_IMPLEMENTATION; each translation unit
// that reads INI text defines it.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

namespace markwise {

namespace {

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

bool SaveProfile(const std::string& path, const CSimpleIniA& ini, Message* error) {
    std::string text;
    Message failure;
    if (ini.Save(text) < 0) {
        failure = Message(MessageId::ProfileNotSaved);
    } else {
        const std::filesystem::path folder = std::filesystem::path(path).parent_path();
        std::error_code ec;
        if (!folder.empty()) {
            std::filesystem::create_directories(folder, ec);
        }
        if (ec) {
            failure = {MessageId::ProfileFolderNotCreated,
                       {folder.string(), {MessageId::SystemReason, {ec.message()}}}};
        } else if (WriteFileAtomically(path, text.data(), text.size(), failure)) {
            return true;
        }
    }
    if (error) {
        *error = failure;
    }
    return false;
}

// A value shown in a message: long or odd values are cut, control bytes shown as "?".
std::string Shown(std::string_view value) {
    const std::string shown = ShownText(value.substr(0, 40));
    return value.size() > 40 ? shown + "..." : shown;
}

void CheckCutoffValues(const CSimpleIniA& ini, std::vector<Message>& problems) {
    const CGradeCutoffs defaults;
    for (int grade = 0; grade < kGradeCount - 1; ++grade) {
        const std::string key(kGradeNames[grade]);
        const char* text = ini.GetValue(kCutoffSection, key.c_str());
        int value;
        if (text && !ParseWholeNumber(text, value)) {
            problems.push_back({MessageId::ProfileCutoffNotWhole,
                                {key, Shown(text), std::to_string(defaults.Get(grade))}});
        }
    }
}

// Reads the profile into ini. A missing file is an empty profile. Returns what could not
// be read as written; ini then holds what could.
std::vector<Message> LoadProfile(const std::string& path, CSimpleIniA& ini) {
    Configure(ini);
    const auto problem = [&path](MessageId id) { return Message(id, {path}); };
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) {
        return {};
    }
    if (ec) {
        return {{MessageId::ProfileUnreadable, {path, {MessageId::SystemReason, {ec.message()}}}}};
    }
    if (status.type() != std::filesystem::file_type::regular) {
        return {problem(MessageId::ProfileNotRegular)};
    }
    const auto tooLarge = [&] { return problem(MessageId::ProfileTooLarge); };
    if (std::filesystem::file_size(path, ec) > CProfile::kMaxBytes) {
        return {tooLarge()};
    }
    // In pieces until the end, so that a file growing meanwhile is bounded too.
    std::ifstream in(path, std::ios::binary);
    std::string text;
    char chunk[1 << 14];
    while (in && text.size() <= CProfile::kMaxBytes) {
        in.read(chunk, sizeof chunk);
        text.append(chunk, static_cast<std::size_t>(in.gcount()));
    }
    if (!in.is_open() || in.bad()) {
        return {{MessageId::ProfileUnreadable,
                 {path, {MessageId::SystemReason, {std::strerror(errno)}}}}};
    }
    if (text.size() > CProfile::kMaxBytes) {
        return {tooLarge()};
    }
    std::vector<Message> problems;
    // The parser stops at a NUL byte, which would drop everything after it.
    if (text.find('\0') != std::string::npos) {
        std::replace(text.begin(), text.end(), '\0', ' ');
        problems.push_back(problem(MessageId::ProfileNulBytes));
    }
    if (ini.LoadData(text) < 0) {
        problems.push_back(problem(MessageId::ProfileDamaged));
    }
    CheckCutoffValues(ini, problems);
    return problems;
}

// Loads the profile, lets change edit it and saves it, unless the file could not be fully
// read and the teacher did not ask for this write.
template <typename Change>
bool Rewrite(const std::string& path, CProfile::Write kind, Message* error, Change change) {
    CSimpleIniA ini;
    const std::vector<Message> problems = LoadProfile(path, ini);
    if (!problems.empty() && kind == CProfile::Write::Automatic) {
        if (error) {
            *error = {MessageId::ProfileLeftAsIs, {problems.front()}};
        }
        return false;
    }
    change(ini);
    return SaveProfile(path, ini, error);
}

// The plain text form of a write that reports a Message.
bool InEnglishIfAsked(std::string* error, const std::function<bool(Message*)>& run) {
    Message message;
    const bool ok = run(&message);
    if (!ok && error)
        *error = English(message);
    return ok;
}

} // namespace

std::string CProfile::DefaultPath() {
    return XdgUserFolder(UserFolder::Profile) + "/Markwise.ini";
}

CProfile::CProfile(std::string path) : m_path(std::move(path)) {}

std::vector<Message> CProfile::ProblemMessages() const {
    CSimpleIniA ini;
    return LoadProfile(m_path, ini);
}

std::vector<std::string> CProfile::Problems() const {
    std::vector<std::string> lines;
    for (const Message& problem : ProblemMessages())
        lines.push_back(English(problem));
    return lines;
}

CGradeCutoffs CProfile::ReadCutoffs() const {
    CGradeCutoffs cutoffs;
    CSimpleIniA ini;
    LoadProfile(m_path, ini);
    for (int grade = 0; grade < kGradeCount - 1; ++grade) {
        const std::string key(kGradeNames[grade]);
        const char* text = ini.GetValue(kCutoffSection, key.c_str());
        int value;
        if (text && ParseWholeNumber(text, value)) {
            cutoffs.Set(grade, value);
        }
    }
    return cutoffs;
}

bool CProfile::WriteCutoffs(const CGradeCutoffs& cutoffs, Write kind, std::string* error) const {
    return InEnglishIfAsked(error,
                            [&](Message* message) { return WriteCutoffs(cutoffs, kind, message); });
}

bool CProfile::WriteCutoffs(const CGradeCutoffs& cutoffs, Write kind, Message* error) const {
    return Rewrite(m_path, kind, error, [&](CSimpleIniA& ini) {
        for (const int grade : kWriteOrder) {
            const std::string key(kGradeNames[grade]);
            ini.SetValue(kCutoffSection, key.c_str(), std::to_string(cutoffs.Get(grade)).c_str());
        }
    });
}

std::vector<std::string> CProfile::ReadRecentFiles() const {
    std::vector<std::string> files;
    CSimpleIniA ini;
    LoadProfile(m_path, ini);
    for (int i = 0; i < kRecentFileCount; ++i) {
        const char* file = ini.GetValue(kRecentSection, RecentKey(i).c_str());
        if (file && *file) {
            files.emplace_back(file);
        }
    }
    return files;
}

bool CProfile::WriteRecentFiles(const std::vector<std::string>& files, std::string* error) const {
    return InEnglishIfAsked(error, [&](Message* message) {
        return Rewrite(m_path, Write::Automatic, message, [&](CSimpleIniA& ini) {
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
        });
    });
}

std::optional<WindowRect> CProfile::ReadMainWindow() const {
    CSimpleIniA ini;
    LoadProfile(m_path, ini);
    std::array<int, 4> values{};
    for (std::size_t i = 0; i < kWindowKeys.size(); ++i) {
        const char* text = ini.GetValue(kWindowSection, kWindowKeys[i]);
        if (!text || !ParseWholeNumber(text, values[i])) {
            return std::nullopt;
        }
    }
    if (values[2] <= 0 || values[3] <= 0) {
        return std::nullopt;
    }
    return WindowRect{values[0], values[1], values[2], values[3]};
}

bool CProfile::WriteMainWindow(const WindowRect& rect, std::string* error) const {
    return InEnglishIfAsked(error, [&](Message* message) {
        return Rewrite(m_path, Write::Automatic, message, [&](CSimpleIniA& ini) {
            const std::array<int, 4> values = {rect.left, rect.top, rect.width, rect.height};
            for (std::size_t i = 0; i < kWindowKeys.size(); ++i) {
                ini.SetValue(kWindowSection, kWindowKeys[i], std::to_string(values[i]).c_str());
            }
        });
    });
}

} // namespace markwise
