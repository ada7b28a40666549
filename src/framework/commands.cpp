#include "commands.h"

#include <algorithm>
#include <array>

namespace markwise {

namespace {

constexpr std::array<CommandInfo, 58> kCommands{{
    {ID_FILE_NEW, "&New\tCtrl+N", "Create a new data file\nNew", "file-new"},
    {ID_FILE_OPEN, "&Open...\tCtrl+O", "Open an existing document\nOpen", "file-open"},
    {ID_FILE_CLOSE, "&Close", "Close the active document\nClose"},
    {ID_FILE_SAVE, "&Save\tCtrl+S", "Save the active document\nSave", "file-save"},
    {ID_FILE_SAVE_AS, "Save &As...", "Save the active document with a new name\nSave As"},
    {ID_FILE_CSV_IMPORT, "&Import...",
     "Open a class list or grade book saved as CSV as a new class\nImport"},
    {ID_FILE_CSV_IMPORT_SCORES, "I&mport Scores...",
     "Bring scores from a CSV file into the active class\nImport Scores"},
    {ID_FILE_CSV_EXPORT, "&Export...",
     "Save the active class as CSV for a spreadsheet or learning platform\nExport"},
    {ID_FILE_PRINT, "&Print...\tCtrl+P", "Print the active document\nPrint", "file-print"},
    {ID_FILE_PRINT_PREVIEW, "Print Pre&view", "Display full pages\nPrint Preview"},
    {ID_FILE_PRINT_SETUP, "P&rint Setup...",
     "Change the printer and printing options\nPrint Setup"},
    {ID_FILE_MRU_FILE1, "Recent File", "Open this document"},
    {ID_FILE_MRU_FILE2, "Recent File", "Open this document"},
    {ID_FILE_MRU_FILE3, "Recent File", "Open this document"},
    {ID_FILE_MRU_FILE4, "Recent File", "Open this document"},
    {ID_APP_EXIT, "E&xit", "Quit the application; prompts to save documents\nExit"},
    {ID_EDIT_UNDO, "&Undo\tCtrl+Z", "Undo the last change\nUndo"},
    {ID_EDIT_REDO, "R&edo\tCtrl+Y", "Redo the change last undone\nRedo"},
    {ID_EDIT_COPY, "&Copy\tCtrl+C",
     "Copy the selected scores, or the whole grade sheet, to the clipboard\nCopy"},
    {ID_EDIT_PASTE, "&Paste\tCtrl+V",
     "Put scores copied from a spreadsheet into the sheet from the current cell on\nPaste"},
    {ID_EDIT_FILL_DOWN, "Fill &Down\tCtrl+D",
     "Copy the top score of the selected cells down to the others\nFill Down"},
    {ID_EDIT_FIND, "&Find Student...\tCtrl+F",
     "Find a student whose name or ID contains a text\nFind Student"},
    {ID_EDIT_REPEAT, "Find &Next\tF3", "Find the next student with the same text\nFind Next"},
    {ID_EDIT_PREFERENCES, "P&references...", "Change Certain Options\nPreferences"},
    {ID_CLASS_ROSTER, "&View Class Roster...", "View a class roster\nClass Roster"},
    {ID_CLASS_PROGRESS_REPORTS, "&Progress Reports...",
     "Generate progress reports\nProgress Reports"},
    {ID_CLASS_EXCLUDE, "&Exclude Assignments...",
     "Allows you to only count grades after a specific assignment\nExclude Assignments"},
    {ID_CLASS_SUMMARY, "&Class Summary...", "Obtain a class summary\nClass Summary"},
    {ID_CLASS_GRADING_POLICY, "&Grading Policy...",
     "Set the weighted categories of the grade and the lowest scores they drop\nGrading Policy"},
    {ID_ASSIGNMENT_NEW, "&New Assignment...", "Create New Assignment\nNew Assignment",
     "assignment-new"},
    {ID_ASSIGNMENT_REMOVE, "&Remove Assignment...", "Remove an Assignment\nRemove Assignment",
     "assignment-remove"},
    {ID_ASSIGNMENT_EDIT, "&Edit Assignment...", "Edit an Assignment\nEdit Assignment",
     "assignment-edit"},
    {ID_ASSIGNMENT_SUMMARY, "Assignment &Summary...",
     "Obtain an Assignment Summary\nAssignment Summary"},
    {ID_STUDENT_NEW, "&New Student...", "Create New Student\nNew Student", "student-new"},
    {ID_STUDENT_REMOVE, "&Remove Student...", "Remove a Student\nRemove Student", "student-remove"},
    {ID_STUDENT_EDIT, "&Edit Student...", "Edit a Student\nEdit Student", "student-edit"},
    {ID_STUDENT_SUMMARY, "Student &Summary...", "Obtain a Student Summary\nStudent Summary"},
    {ID_STUDENT_REPORT, "S&tudent Report...",
     "View a student report, which can be printed\nStudent Report"},
    {ID_SORT_NAME, "By &Name", "Sort the Student List By Name\nSort by Name"},
    {ID_SORT_TOTAL, "By &Total Grade", "Sort the Student List by Total Grade\nSort by Total Grade"},
    {ID_SORT_ASSIGNMENT, "By &Assignment Grade...",
     "Sort the Student List by Assignment Grade\nSort by Assignment Grade"},
    {ID_SORT_RANDOM, "&Randomly", "Shuffles the list of students\nSort Randomly"},
    {ID_VIEW_TOOLBAR, "&Toolbar", "Show or hide the toolbar\nToggle ToolBar", "", true},
    {ID_VIEW_STATUS_BAR, "&Status Bar", "Show or hide the status bar\nToggle StatusBar", "", true},
    {ID_VIEW_STUDENT_ID, "Student ID",
     "Changes whether Students are listed by ID or by Name\nStudent ID", "", true},
    {ID_WINDOW_NEW, "&New Window", "Open another window for the active document\nNew Window"},
    {ID_WINDOW_CASCADE, "&Cascade", "Arrange windows so they overlap\nCascade Windows"},
    {ID_WINDOW_TILE_HORZ, "&Tile", "Arrange windows as non-overlapping tiles\nTile Windows"},
    {ID_WINDOW_ARRANGE, "&Arrange Icons",
     "Arrange icons at the bottom of the window\nArrange Icons"},
    {ID_HELP_FINDER, "&Help Topics", "List Help topics\nHelp Topics"},
    {ID_APP_ABOUT, "&About Markwise...",
     "Display program information, version number and copyright\nAbout", "about"},
    {ID_SCROLL_LEFT, "Scroll Left", "Scroll the Assignments Left\nScroll Left", "scroll-left"},
    {ID_SCROLL_RIGHT, "Scroll Right", "Scroll the Assignments Right\nScroll Right", "scroll-right"},
    {ID_HELP, "", "Display help for current task or command\nHelp"},
    {ID_CONTEXT_HELP, "", "Display help for clicked on buttons, menus and windows\nHelp"},
    // Keys of the accelerator table with no handler anywhere: their actions stay disabled, so
    // the keys do nothing, as they always have.
    {ID_EDIT_CUT, "", ""},
    {ID_NEXT_PANE, "", ""},
    {ID_PREV_PANE, "", ""},
}};

constexpr std::array<int, 18> kToolbar{
    ID_FILE_NEW,     ID_FILE_OPEN,      ID_FILE_SAVE,       kMenuSeparator,       ID_FILE_PRINT,
    kMenuSeparator,  ID_ASSIGNMENT_NEW, ID_ASSIGNMENT_EDIT, ID_ASSIGNMENT_REMOVE, kMenuSeparator,
    ID_STUDENT_NEW,  ID_STUDENT_EDIT,   ID_STUDENT_REMOVE,  kMenuSeparator,       ID_SCROLL_LEFT,
    ID_SCROLL_RIGHT, kMenuSeparator,    ID_APP_ABOUT};

constexpr std::array<Accelerator, 21> kAccelerators{{
    {ID_FILE_NEW, "Ctrl+N"},
    {ID_FILE_OPEN, "Ctrl+O"},
    {ID_FILE_SAVE, "Ctrl+S"},
    {ID_FILE_PRINT, "Ctrl+P"},
    {ID_HELP, "F1"},
    {ID_CONTEXT_HELP, "Shift+F1"},
    {ID_EDIT_UNDO, "Ctrl+Z"},
    {ID_EDIT_UNDO, "Alt+Backspace"},
    {ID_EDIT_REDO, "Ctrl+Y"},
    {ID_EDIT_REDO, "Ctrl+Shift+Z"},
    {ID_EDIT_FIND, "Ctrl+F"},
    {ID_EDIT_REPEAT, "F3"},
    // Cut and the pane keys are bound, and nothing handles them (see kCommands).
    {ID_EDIT_CUT, "Ctrl+X"},
    {ID_EDIT_CUT, "Shift+Del"},
    {ID_EDIT_COPY, "Ctrl+C"},
    {ID_EDIT_COPY, "Ctrl+Ins"},
    {ID_EDIT_PASTE, "Ctrl+V"},
    {ID_EDIT_PASTE, "Shift+Ins"},
    {ID_EDIT_FILL_DOWN, "Ctrl+D"},
    {ID_NEXT_PANE, "F6"},
    {ID_PREV_PANE, "Shift+F6"},
}};

std::string_view before(std::string_view text, char mark) {
    return text.substr(0, text.find(mark));
}

std::string_view after(std::string_view text, char mark) {
    const auto at = text.find(mark);
    return at == std::string_view::npos ? std::string_view{} : text.substr(at + 1);
}

} // namespace

std::span<const CommandInfo> commandTable() {
    return kCommands;
}

const std::vector<MenuInfo>& frameMenus() {
    static const std::vector<MenuInfo> menus{
        {"&File",
         {ID_FILE_NEW, ID_FILE_OPEN, kMenuSeparator, ID_FILE_CSV_IMPORT, kMenuSeparator,
          ID_FILE_PRINT_SETUP, kMenuSeparator, kMenuRecentFiles, kMenuSeparator, ID_APP_EXIT}},
        {"&View", {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR}},
        {"&Help", {ID_HELP_FINDER, kMenuSeparator, ID_APP_ABOUT}},
    };
    return menus;
}

const std::vector<MenuInfo>& documentMenus() {
    static const std::vector<MenuInfo> menus{
        {"&File",
         {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS, kMenuSeparator,
          ID_FILE_CSV_IMPORT, ID_FILE_CSV_IMPORT_SCORES, ID_FILE_CSV_EXPORT, kMenuSeparator,
          ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP, kMenuSeparator,
          kMenuRecentFiles, kMenuSeparator, ID_APP_EXIT}},
        {"&Edit",
         {ID_EDIT_UNDO, ID_EDIT_REDO, kMenuSeparator, ID_EDIT_COPY, ID_EDIT_PASTE,
          ID_EDIT_FILL_DOWN, kMenuSeparator, ID_EDIT_FIND, ID_EDIT_REPEAT, kMenuSeparator,
          ID_EDIT_PREFERENCES}},
        {"&Class",
         {ID_CLASS_ROSTER, ID_CLASS_PROGRESS_REPORTS, ID_CLASS_EXCLUDE, ID_CLASS_SUMMARY,
          ID_CLASS_GRADING_POLICY}},
        {"&Assignment",
         {ID_ASSIGNMENT_NEW, ID_ASSIGNMENT_REMOVE, ID_ASSIGNMENT_EDIT, ID_ASSIGNMENT_SUMMARY}},
        {"&Student",
         {ID_STUDENT_NEW, ID_STUDENT_REMOVE, ID_STUDENT_EDIT, ID_STUDENT_SUMMARY,
          ID_STUDENT_REPORT}},
        {"S&ort", {ID_SORT_NAME, ID_SORT_TOTAL, ID_SORT_ASSIGNMENT, ID_SORT_RANDOM}},
        {"&View", {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_VIEW_STUDENT_ID}},
        {"&Window", {ID_WINDOW_NEW, ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ, ID_WINDOW_ARRANGE}},
        {"&Help", {ID_HELP_FINDER, kMenuSeparator, ID_APP_ABOUT}},
    };
    return menus;
}

std::span<const int> toolbarButtons() {
    return kToolbar;
}

std::span<const Accelerator> accelerators() {
    return kAccelerators;
}

std::string_view menuText(const CommandInfo& info) {
    return before(info.caption, '\t');
}
std::string_view statusPrompt(const CommandInfo& info) {
    return before(info.prompt, '\n');
}
std::string_view tooltipText(const CommandInfo& info) {
    return after(info.prompt, '\n');
}

} // namespace markwise
