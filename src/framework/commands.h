#pragma once

#include <QString>
#include <span>
#include <string_view>
#include <vector>

namespace markwise {

// Command ids: the framework's standard ids and the program's own.
enum CommandId : int {
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_CLOSE = 57602,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_DIRECT = 57608,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_MRU_FILE1 = 57616,
    ID_FILE_MRU_FILE2 = 57617,
    ID_FILE_MRU_FILE3 = 57618,
    ID_FILE_MRU_FILE4 = 57619,
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_FIND = 57636,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_REPEAT = 57639,
    ID_EDIT_UNDO = 57643,
    ID_EDIT_REDO = 57644,
    ID_WINDOW_NEW = 57648,
    ID_WINDOW_ARRANGE = 57649,
    ID_WINDOW_CASCADE = 57650,
    ID_WINDOW_TILE_HORZ = 57651,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_HELP_FINDER = 57667,
    ID_CONTEXT_HELP = 57669,
    ID_HELP = 57670,
    ID_DEFAULT_HELP = 57671,
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,

    ID_ASSIGNMENT_NEW = 32771,
    ID_ASSIGNMENT_REMOVE = 32772,
    ID_ASSIGNMENT_EDIT = 32773,
    ID_ASSIGNMENT_SUMMARY = 32774,
    ID_STUDENT_NEW = 32775,
    ID_STUDENT_REMOVE = 32776,
    ID_STUDENT_EDIT = 32777,
    ID_STUDENT_SUMMARY = 32778,
    ID_EDIT_PREFERENCES = 32779,
    ID_VIEW_STUDENT_ID = 32781,
    ID_SCROLL_RIGHT = 32788,
    ID_SCROLL_LEFT = 32789,
    ID_SORT_NAME = 32790,
    ID_SORT_TOTAL = 32791,
    ID_SORT_ASSIGNMENT = 32792,
    ID_CLASS_SUMMARY = 32793,
    ID_CLASS_PROGRESS_REPORTS = 32794,
    ID_IGNORED_32795 = 32795,
    ID_STUDENT_REPORT = 32797,
    ID_CLASS_ROSTER = 32799,
    ID_SORT_RANDOM = 32800,
    ID_CLASS_EXCLUDE = 32801,
    // CSV interchange with spreadsheets and learning platforms.
    ID_FILE_CSV_IMPORT = 32840,
    ID_FILE_CSV_IMPORT_SCORES = 32841,
    ID_FILE_CSV_EXPORT = 32842,
    ID_EDIT_FILL_DOWN = 32843,
    ID_CLASS_GRADING_POLICY = 32844,
};

inline constexpr int kRecentFileCommands = 4;
// In a menu's item list: a separator, and the place of the recent-file entries.
inline constexpr int kMenuSeparator = 0;
inline constexpr int kMenuRecentFiles = -1;

// The translation context of every caption, prompt and menu title below: the texts are
// English here and reach the user through the loaded translator.
inline constexpr const char* kCommandsContext = "Commands";

// One command: its menu caption ("&New\tCtrl+N"; the text after the tab is the shortcut),
// prompt (status-bar text, a line break, then the tooltip), toolbar picture (the name of an
// image under :/icons, drawn for this program) and whether it carries a check mark.
struct CommandInfo {
    int id;
    std::string_view caption;
    std::string_view prompt;
    std::string_view icon = {};
    bool checkable = false;
};

struct MenuInfo {
    std::string_view title;
    std::vector<int> items; // command ids, kMenuSeparator, kMenuRecentFiles
};

struct Accelerator {
    int id;
    std::string_view keys; // QKeySequence portable text
};

// Every command with a caption or prompt.
std::span<const CommandInfo> commandTable();

// Menu bar while no class window is open, and while one is active.
const std::vector<MenuInfo>& frameMenus();
const std::vector<MenuInfo>& documentMenus();

// Toolbar buttons in order; kMenuSeparator marks a separator.
std::span<const int> toolbarButtons();

// Key bindings of the main accelerator table (those in captions included).
std::span<const Accelerator> accelerators();

// In the user's language: the caption without its shortcut text, the prompt's two halves
// and a menu's title.
QString menuText(const CommandInfo& info);
QString statusPrompt(const CommandInfo& info);
QString tooltipText(const CommandInfo& info);
QString menuTitle(const MenuInfo& menu);

} // namespace markwise
