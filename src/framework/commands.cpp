#include "commands.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace markwise {

namespace {

constexpr std::array<CommandInfo, 58> kCommands{{
    {ID_FILE_NEW, QT_TRANSLATE_NOOP("Commands", "&New\tCtrl+N"),
     QT_TRANSLATE_NOOP("Commands", "Create a new data file\nNew"), "file-new"},
    {ID_FILE_OPEN, QT_TRANSLATE_NOOP("Commands", "&Open...\tCtrl+O"),
     QT_TRANSLATE_NOOP("Commands", "Open an existing document\nOpen"), "file-open"},
    {ID_FILE_CLOSE, QT_TRANSLATE_NOOP("Commands", "&Close"),
     QT_TRANSLATE_NOOP("Commands", "Close the active document\nClose")},
    {ID_FILE_SAVE, QT_TRANSLATE_NOOP("Commands", "&Save\tCtrl+S"),
     QT_TRANSLATE_NOOP("Commands", "Save the active document\nSave"), "file-save"},
    {ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("Commands", "Save &As..."),
     QT_TRANSLATE_NOOP("Commands", "Save the active document with a new name\nSave As")},
    {ID_FILE_CSV_IMPORT, QT_TRANSLATE_NOOP("Commands", "&Import..."),
     QT_TRANSLATE_NOOP("Commands",
                       "Open a class list or grade book saved as CSV as a new class\nImport")},
    {ID_FILE_CSV_IMPORT_SCORES, QT_TRANSLATE_NOOP("Commands", "I&mport Scores..."),
     QT_TRANSLATE_NOOP("Commands",
                       "Bring scores from a CSV file into the active class\nImport Scores")},
    {ID_FILE_CSV_EXPORT, QT_TRANSLATE_NOOP("Commands", "&Export..."),
     QT_TRANSLATE_NOOP(
         "Commands",
         "Save the active class as CSV for a spreadsheet or learning platform\nExport")},
    {ID_FILE_PRINT, QT_TRANSLATE_NOOP("Commands", "&Print...\tCtrl+P"),
     QT_TRANSLATE_NOOP("Commands", "Print the active document\nPrint"), "file-print"},
    {ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("Commands", "Print Pre&view"),
     QT_TRANSLATE_NOOP("Commands", "Display full pages\nPrint Preview")},
    {ID_FILE_PRINT_SETUP, QT_TRANSLATE_NOOP("Commands", "P&rint Setup..."),
     QT_TRANSLATE_NOOP("Commands", "Change the printer and printing options\nPrint Setup")},
    {ID_FILE_MRU_FILE1, QT_TRANSLATE_NOOP("Commands", "Recent File"),
     QT_TRANSLATE_NOOP("Commands", "Open this document")},
    {ID_FILE_MRU_FILE2, QT_TRANSLATE_NOOP("Commands", "Recent File"),
     QT_TRANSLATE_NOOP("Commands", "Open this document")},
    {ID_FILE_MRU_FILE3, QT_TRANSLATE_NOOP("Commands", "Recent File"),
     QT_TRANSLATE_NOOP("Commands", "Open this document")},
    {ID_FILE_MRU_FILE4, QT_TRANSLATE_NOOP("Commands", "Recent File"),
     QT_TRANSLATE_NOOP("Commands", "Open this document")},
    {ID_APP_EXIT, QT_TRANSLATE_NOOP("Commands", "E&xit"),
     QT_TRANSLATE_NOOP("Commands", "Quit the application; prompts to save documents\nExit")},
    {ID_EDIT_UNDO, QT_TRANSLATE_NOOP("Commands", "&Undo\tCtrl+Z"),
     QT_TRANSLATE_NOOP("Commands", "Undo the last change\nUndo")},
    {ID_EDIT_REDO, QT_TRANSLATE_NOOP("Commands", "R&edo\tCtrl+Y"),
     QT_TRANSLATE_NOOP("Commands", "Redo the change last undone\nRedo")},
    {ID_EDIT_COPY, QT_TRANSLATE_NOOP("Commands", "&Copy\tCtrl+C"),
     QT_TRANSLATE_NOOP(
         "Commands", "Copy the selected scores, or the whole grade sheet, to the clipboard\nCopy")},
    {ID_EDIT_PASTE, QT_TRANSLATE_NOOP("Commands", "&Paste\tCtrl+V"),
     QT_TRANSLATE_NOOP(
         "Commands",
         "Put scores copied from a spreadsheet into the sheet from the current cell on\nPaste")},
    {ID_EDIT_FILL_DOWN, QT_TRANSLATE_NOOP("Commands", "Fill &Down\tCtrl+D"),
     QT_TRANSLATE_NOOP("Commands",
                       "Copy the top score of the selected cells down to the others\nFill Down")},
    {ID_EDIT_FIND, QT_TRANSLATE_NOOP("Commands", "&Find Student...\tCtrl+F"),
     QT_TRANSLATE_NOOP("Commands",
                       "Find a student whose name or ID contains a text\nFind Student")},
    {ID_EDIT_REPEAT, QT_TRANSLATE_NOOP("Commands", "Find &Next\tF3"),
     QT_TRANSLATE_NOOP("Commands", "Find the next student with the same text\nFind Next")},
    {ID_EDIT_PREFERENCES, QT_TRANSLATE_NOOP("Commands", "P&references..."),
     QT_TRANSLATE_NOOP("Commands", "Change Certain Options\nPreferences")},
    {ID_CLASS_ROSTER, QT_TRANSLATE_NOOP("Commands", "&View Class Roster..."),
     QT_TRANSLATE_NOOP("Commands", "View a class roster\nClass Roster")},
    {ID_CLASS_PROGRESS_REPORTS, QT_TRANSLATE_NOOP("Commands", "&Progress Reports..."),
     QT_TRANSLATE_NOOP("Commands", "Generate progress reports\nProgress Reports")},
    {ID_CLASS_EXCLUDE, QT_TRANSLATE_NOOP("Commands", "&Exclude Assignments..."),
     QT_TRANSLATE_NOOP(
         "Commands",
         "Allows you to only count grades after a specific assignment\nExclude Assignments")},
    {ID_CLASS_SUMMARY, QT_TRANSLATE_NOOP("Commands", "&Class Summary..."),
     QT_TRANSLATE_NOOP("Commands", "Obtain a class summary\nClass Summary")},
    {ID_CLASS_GRADING_POLICY, QT_TRANSLATE_NOOP("Commands", "&Grading Policy..."),
     QT_TRANSLATE_NOOP("Commands", "Set the weighted categories of the grade and the lowest "
                                   "scores they drop\nGrading Policy")},
    {ID_ASSIGNMENT_NEW, QT_TRANSLATE_NOOP("Commands", "&New Assignment..."),
     QT_TRANSLATE_NOOP("Commands", "Create New Assignment\nNew Assignment"), "assignment-new"},
    {ID_ASSIGNMENT_REMOVE, QT_TRANSLATE_NOOP("Commands", "&Remove Assignment..."),
     QT_TRANSLATE_NOOP("Commands", "Remove an Assignment\nRemove Assignment"), "assignment-remove"},
    {ID_ASSIGNMENT_EDIT, QT_TRANSLATE_NOOP("Commands", "&Edit Assignment..."),
     QT_TRANSLATE_NOOP("Commands", "Edit an Assignment\nEdit Assignment"), "assignment-edit"},
    {ID_ASSIGNMENT_SUMMARY, QT_TRANSLATE_NOOP("Commands", "Assignment &Summary..."),
     QT_TRANSLATE_NOOP("Commands", "Obtain an Assignment Summary\nAssignment Summary")},
    {ID_STUDENT_NEW, QT_TRANSLATE_NOOP("Commands", "&New Student..."),
     QT_TRANSLATE_NOOP("Commands", "Create New Student\nNew Student"), "student-new"},
    {ID_STUDENT_REMOVE, QT_TRANSLATE_NOOP("Commands", "&Remove Student..."),
     QT_TRANSLATE_NOOP("Commands", "Remove a Student\nRemove Student"), "student-remove"},
    {ID_STUDENT_EDIT, QT_TRANSLATE_NOOP("Commands", "&Edit Student..."),
     QT_TRANSLATE_NOOP("Commands", "Edit a Student\nEdit Student"), "student-edit"},
    {ID_STUDENT_SUMMARY, QT_TRANSLATE_NOOP("Commands", "Student &Summary..."),
     QT_TRANSLATE_NOOP("Commands", "Obtain a Student Summary\nStudent Summary")},
    {ID_STUDENT_REPORT, QT_TRANSLATE_NOOP("Commands", "S&tudent Report..."),
     QT_TRANSLATE_NOOP("Commands", "View a student report, which can be printed\nStudent Report")},
    {ID_SORT_NAME, QT_TRANSLATE_NOOP("Commands", "By &Name"),
     QT_TRANSLATE_NOOP("Commands", "Sort the Student List By Name\nSort by Name")},
    {ID_SORT_TOTAL, QT_TRANSLATE_NOOP("Commands", "By &Total Grade"),
     QT_TRANSLATE_NOOP("Commands", "Sort the Student List by Total Grade\nSort by Total Grade")},
    {ID_SORT_ASSIGNMENT, QT_TRANSLATE_NOOP("Commands", "By &Assignment Grade..."),
     QT_TRANSLATE_NOOP("Commands",
                       "Sort the Student List by Assignment Grade\nSort by Assignment Grade")},
    {ID_SORT_RANDOM, QT_TRANSLATE_NOOP("Commands", "&Randomly"),
     QT_TRANSLATE_NOOP("Commands", "Shuffles the list of students\nSort Randomly")},
    {ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("Commands", "&Toolbar"),
     QT_TRANSLATE_NOOP("Commands", "Show or hide the toolbar\nToggle ToolBar"), "", true},
    {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("Commands", "&Status Bar"),
     QT_TRANSLATE_NOOP("Commands", "Show or hide the status bar\nToggle StatusBar"), "", true},
    {ID_VIEW_STUDENT_ID, QT_TRANSLATE_NOOP("Commands", "Student ID"),
     QT_TRANSLATE_NOOP("Commands",
                       "Changes whether Students are listed by ID or by Name\nStudent ID"),
     "", true},
    {ID_WINDOW_NEW, QT_TRANSLATE_NOOP("Commands", "&New Window"),
     QT_TRANSLATE_NOOP("Commands", "Open another window for the active document\nNew Window")},
    {ID_WINDOW_CASCADE, QT_TRANSLATE_NOOP("Commands", "&Cascade"),
     QT_TRANSLATE_NOOP("Commands", "Arrange windows so they overlap\nCascade Windows")},
    {ID_WINDOW_TILE_HORZ, QT_TRANSLATE_NOOP("Commands", "&Tile"),
     QT_TRANSLATE_NOOP("Commands", "Arrange windows as non-overlapping tiles\nTile Windows")},
    {ID_WINDOW_ARRANGE, QT_TRANSLATE_NOOP("Commands", "&Arrange Icons"),
     QT_TRANSLATE_NOOP("Commands", "Arrange icons at the bottom of the window\nArrange Icons")},
    {ID_HELP_FINDER, QT_TRANSLATE_NOOP("Commands", "&Help Topics"),
     QT_TRANSLATE_NOOP("Commands", "List Help topics\nHelp Topics")},
    {ID_APP_ABOUT, QT_TRANSLATE_NOOP("Commands", "&About Markwise..."),
     QT_TRANSLATE_NOOP("Commands",
                       "Display program information, version number and copyright\nAbout"),
     "about"},
    {ID_SCROLL_LEFT, QT_TRANSLATE_NOOP("Commands", "Scroll Left"),
     QT_TRANSLATE_NOOP("Commands", "Scroll the Assignments Left\nScroll Left"), "scroll-left"},
    {ID_SCROLL_RIGHT, QT_TRANSLATE_NOOP("Commands", "Scroll Right"),
     QT_TRANSLATE_NOOP("Commands", "Scroll the Assignments Right\nScroll Right"), "scroll-right"},
    {ID_HELP, "", QT_TRANSLATE_NOOP("Commands", "Display help for current task or command\nHelp")},
    {ID_CONTEXT_HELP, "",
     QT_TRANSLATE_NOOP("Commands", "Display help for clicked on buttons, menus and windows\nHelp")},
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

QString translated(std::string_view english) {
    return QCoreApplication::translate(kCommandsContext, std::string(english).c_str());
}

} // namespace

std::span<const CommandInfo> commandTable() {
    return kCommands;
}

const std::vector<MenuInfo>& frameMenus() {
    static const std::vector<MenuInfo> menus{
        {QT_TRANSLATE_NOOP("Commands", "&File"),
         {ID_FILE_NEW, ID_FILE_OPEN, kMenuSeparator, ID_FILE_CSV_IMPORT, kMenuSeparator,
          ID_FILE_PRINT_SETUP, kMenuSeparator, kMenuRecentFiles, kMenuSeparator, ID_APP_EXIT}},
        {QT_TRANSLATE_NOOP("Commands", "&View"), {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR}},
        {QT_TRANSLATE_NOOP("Commands", "&Help"), {ID_HELP_FINDER, kMenuSeparator, ID_APP_ABOUT}},
    };
    return menus;
}

const std::vector<MenuInfo>& documentMenus() {
    static const std::vector<MenuInfo> menus{
        {QT_TRANSLATE_NOOP("Commands", "&File"),
         {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS, kMenuSeparator,
          ID_FILE_CSV_IMPORT, ID_FILE_CSV_IMPORT_SCORES, ID_FILE_CSV_EXPORT, kMenuSeparator,
          ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP, kMenuSeparator,
          kMenuRecentFiles, kMenuSeparator, ID_APP_EXIT}},
        {QT_TRANSLATE_NOOP("Commands", "&Edit"),
         {ID_EDIT_UNDO, ID_EDIT_REDO, kMenuSeparator, ID_EDIT_COPY, ID_EDIT_PASTE,
          ID_EDIT_FILL_DOWN, kMenuSeparator, ID_EDIT_FIND, ID_EDIT_REPEAT, kMenuSeparator,
          ID_EDIT_PREFERENCES}},
        {QT_TRANSLATE_NOOP("Commands", "&Class"),
         {ID_CLASS_ROSTER, ID_CLASS_PROGRESS_REPORTS, ID_CLASS_EXCLUDE, ID_CLASS_SUMMARY,
          ID_CLASS_GRADING_POLICY}},
        {QT_TRANSLATE_NOOP("Commands", "&Assignment"),
         {ID_ASSIGNMENT_NEW, ID_ASSIGNMENT_REMOVE, ID_ASSIGNMENT_EDIT, ID_ASSIGNMENT_SUMMARY}},
        {QT_TRANSLATE_NOOP("Commands", "&Student"),
         {ID_STUDENT_NEW, ID_STUDENT_REMOVE, ID_STUDENT_EDIT, ID_STUDENT_SUMMARY,
          ID_STUDENT_REPORT}},
        {QT_TRANSLATE_NOOP("Commands", "S&ort"),
         {ID_SORT_NAME, ID_SORT_TOTAL, ID_SORT_ASSIGNMENT, ID_SORT_RANDOM}},
        {QT_TRANSLATE_NOOP("Commands", "&View"),
         {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_VIEW_STUDENT_ID}},
        {QT_TRANSLATE_NOOP("Commands", "&Window"),
         {ID_WINDOW_NEW, ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ, ID_WINDOW_ARRANGE}},
        {QT_TRANSLATE_NOOP("Commands", "&Help"), {ID_HELP_FINDER, kMenuSeparator, ID_APP_ABOUT}},
    };
    return menus;
}

std::span<const int> toolbarButtons() {
    return kToolbar;
}

std::span<const Accelerator> accelerators() {
    return kAccelerators;
}

QString menuText(const CommandInfo& info) {
    return translated(info.caption).section(QLatin1Char('\t'), 0, 0);
}
QString statusPrompt(const CommandInfo& info) {
    return translated(info.prompt).section(QLatin1Char('\n'), 0, 0);
}
QString tooltipText(const CommandInfo& info) {
    const QString prompt = translated(info.prompt);
    const qsizetype at = prompt.indexOf(QLatin1Char('\n'));
    return at < 0 ? QString() : prompt.mid(at + 1);
}
QString menuTitle(const MenuInfo& menu) {
    return translated(menu.title);
}

} // namespace markwise
