#include "markwise_view.h"

#include "core/markwise_doc.h"
#include "framework/class_editor.h"
#include "framework/commands.h"
#include "framework/cutoff_service.h"
#include "framework/document.h"
#include "framework/draw_list.h"
#include "framework/scrolling.h"
#include "framework/text.h"
#include "framework/translated_sheet_words.h"
#include "framework/ui_seam.h"
#include "geometry/sheet_hit_test.h"
#include "geometry/sheet_layout.h"
#include "geometry/sheet_texts.h"
#include "geometry/text_room.h"
#include "sheet_accessible.h"
#include "sheet_clipboard.h"
#include "sheet_keyboard.h"
#include "sheet_paint.h"
#include "sheet_printing.h"
#include "view_dialogs.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <ctime>

namespace markwise {

CMarkwiseView::CMarkwiseView(CDocument& document, const ViewDialogs& dialogs)
    : CView(document), m_dialogs(dialogs), m_keyboard(new SheetKeyboard(*this)),
      m_find(
          *this, [this]() -> const CMarkwiseDoc& { return *GetDocument(); },
          [this] { return m_keyboard->cell().student; },
          [this](int s) {
              const SheetCell at = m_keyboard->cell();
              m_keyboard->setCell({s, at.student < 0 ? kNameColumn : at.column});
          }),
      m_words(TranslatedSheetWords()) {
    setFocusPolicy(Qt::StrongFocus);
    InstallSheetAccessibility();
    connect(&document, &CDocument::changed, this, &CMarkwiseView::Invalidate);
    connect(&document.services().cutoffs, &CutoffService::changed, this,
            &CMarkwiseView::Invalidate);
    connect(&document, &CDocument::changed, m_keyboard, &SheetKeyboard::refresh);
    // Undo and redo show the score they changed.
    connect(&document.editor(), &CClassEditor::stepShown, m_keyboard,
            [this](int assignment, int student) {
                m_keyboard->setCell({student, assignment});
            });
    addCommands();
}

void CMarkwiseView::addCommands() {
    CClassEditor& editor = frameworkDocument().editor();
    handle(ID_VIEW_STUDENT_ID, [&editor] {
        editor.toggleListing();
    }).state([this](CommandState& state) { state.checked = !GetDocument()->ListsNames(); });
    handle(ID_SCROLL_LEFT, [this] {
        m_firstAssignment = ScrollLeft(m_firstAssignment);
        Invalidate();
    });
    handle(ID_SCROLL_RIGHT, [this] {
        m_firstAssignment =
            ScrollRight(m_firstAssignment, VisibleColumnCount(), GetDocument()->AssignmentsInUse());
        Invalidate();
    });
    handle(ID_SORT_NAME, [&editor] { editor.apply(tr("Sort by Name"), SortEdit(SortKind::Name)); });
    handle(ID_SORT_TOTAL,
           [&editor] { editor.apply(tr("Sort by Total Grade"), SortEdit(SortKind::Total)); });
    handle(ID_SORT_RANDOM, [&editor] {
        editor.apply(tr("Sort Randomly"),
                     ShuffleEdit(static_cast<unsigned int>(std::time(nullptr))));
    });
    // 32795 has no menu item or key, but the view's command table has always carried it:
    // taken and ignored here rather than passed on to the frame and the application.
    handle(ID_IGNORED_32795, [] {});
    handle(ID_EDIT_COPY, [this] { CopySelection(*this); });
    // Always enabled: the current cell moves without the menus hearing of it, and a paste
    // onto a name says where to paste instead.
    handle(ID_EDIT_PASTE, [this] { PasteScores(*this); });
    handle(ID_EDIT_FILL_DOWN, [this] { FillDown(*this); });
    for (int id : {ID_FILE_PRINT, ID_FILE_PRINT_DIRECT, ID_FILE_PRINT_PREVIEW}) {
        handle(id, [this, id] { RunSheetPrintCommand(id, *this); });
    }
    // Commands about a student or an assignment are disabled while the class has none.
    const StateRule needsStudent = [this](CommandState& state) {
        state.enabled = GetDocument()->StudentsInUse() > 0;
    };
    const StateRule needsAssignment = [this](CommandState& state) {
        state.enabled = GetDocument()->AssignmentsInUse() > 0;
    };
    handle(ID_EDIT_FIND, [this] { m_find.find(); }).state(needsStudent);
    handle(ID_EDIT_REPEAT, [this] { m_find.findNext(); }).state(needsStudent);
    // The dialog commands are handled while the application's table has a dialog for them.
    const auto dialogCommand = [this](int id, ViewDialogs::Open ViewDialogs::*open,
                                      const StateRule& rule = {}) {
        Handler& handler =
            handle(id, [this, open] { (m_dialogs.*open)(*this); }).onlyWhile([this, open] {
                return static_cast<bool>(m_dialogs.*open);
            });
        if (rule)
            handler.state(rule);
    };
    dialogCommand(ID_ASSIGNMENT_REMOVE, &ViewDialogs::removeAssignment, needsAssignment);
    dialogCommand(ID_ASSIGNMENT_SUMMARY, &ViewDialogs::assignmentSummary, needsAssignment);
    dialogCommand(ID_STUDENT_NEW, &ViewDialogs::addStudent);
    dialogCommand(ID_STUDENT_REMOVE, &ViewDialogs::removeStudent, needsStudent);
    dialogCommand(ID_STUDENT_SUMMARY, &ViewDialogs::studentSummary, needsStudent);
    dialogCommand(ID_EDIT_PREFERENCES, &ViewDialogs::preferences);
    dialogCommand(ID_SORT_ASSIGNMENT, &ViewDialogs::sortByAssignment, needsAssignment);
    dialogCommand(ID_CLASS_SUMMARY, &ViewDialogs::classSummary);
    dialogCommand(ID_CLASS_EXCLUDE, &ViewDialogs::excludeAssignments, needsAssignment);
    dialogCommand(ID_CLASS_GRADING_POLICY, &ViewDialogs::gradingPolicy);
    handle(ID_ASSIGNMENT_NEW, [this] {
        // The one precondition the view checks itself.
        if (GetDocument()->m_studentCount == 0) {
            UiSeam::tell(this, tr("You haven't created any students yet!"));
            return;
        }
        m_dialogs.newAssignment(*this);
    }).onlyWhile([this] { return static_cast<bool>(m_dialogs.newAssignment); });
    // The two editors open with the first entry chosen.
    handle(ID_ASSIGNMENT_EDIT, [this] {
        m_dialogs.editAssignment(*this, 0, 0);
    }).onlyWhile([this] {
          return static_cast<bool>(m_dialogs.editAssignment);
      }).state(needsAssignment);
    handle(ID_STUDENT_EDIT, [this] {
        m_dialogs.editStudent(*this, 0);
    }).onlyWhile([this] {
          return static_cast<bool>(m_dialogs.editStudent);
      }).state(needsStudent);
}

SheetCell CMarkwiseView::currentCell() const {
    return m_keyboard->cell();
}

CMarkwiseView::~CMarkwiseView() {
    frameworkDocument().services().cutoffs.keep();
}

const CGradeCutoffs& CMarkwiseView::cutoffs() const {
    return frameworkDocument().services().cutoffs.current();
}

int CMarkwiseView::VisibleColumnCount() const {
    return markwise::VisibleColumnCount(viewport()->width());
}

int CMarkwiseView::lineHeight() const {
    // The height painting measures; known from the font before the first paint too.
    const QFontMetrics metrics = viewport()->fontMetrics();
    return metrics.height() + metrics.leading();
}

void CMarkwiseView::setScrollSize(int width, int height) {
    const QSize client = viewport()->size();
    SetScrollBar(*verticalScrollBar(), height, client.height(), lineHeight());
    SetScrollBar(*horizontalScrollBar(), width, client.width(), lineHeight());
}

void CMarkwiseView::UpdateScrollSizes() {
    const ScrollSize size = SheetScrollSize(*GetDocument(), viewport()->width(), lineHeight());
    setScrollSize(size.width, size.height);
}

void CMarkwiseView::OnUpdate() {
    const ScrollSize size = SheetProvisionalScrollSize(*GetDocument(), lineHeight());
    setScrollSize(size.width, size.height);
    Invalidate();
}

void CMarkwiseView::OnInitialUpdate() {
    OnUpdate();
    UpdateScrollSizes();
}

void CMarkwiseView::Invalidate() {
    viewport()->update();
}

void CMarkwiseView::paintEvent(QPaintEvent* event) {
    UpdateScrollSizes();
    QPainter painter(viewport());
    const QFontMetrics metrics = painter.fontMetrics();
    m_rowHeight = metrics.height() + metrics.leading();

    // Only the rows the update touches: moving the current cell repaints two cells.
    const int top = verticalScrollBar()->value();
    const int left = horizontalScrollBar()->value();
    const QRect dirty = event->rect();
    DrawList texts = sheetTexts(top + dirty.top(), top + dirty.bottom() + 1);
    // Only the screen cuts crowded texts; paper has room for them as they are.
    const GlyphTextPainter& glyphs = m_screenGlyphs.glyphsFor(painter.font());
    ElideCrowdedTexts(glyphs, texts, TextLimits(texts));
    const SheetView sheet{m_firstAssignment, viewport()->width(), m_rowHeight};
    const DrawList greyed = TakeExcludedHeadings(*GetDocument(), sheet, texts);
    painter.translate(-left, -top);
    PaintSheetBands(painter, palette(), m_rowHeight, GetDocument()->StudentsInUse(),
                    top + dirty.top(), top + dirty.bottom() + 1, left, viewport()->width());
    glyphs.draw(painter, texts);
    PaintGreyed(painter, glyphs, palette(), greyed);
    m_keyboard->paintFrame(painter);
    if (top > 0 && dirty.top() < m_rowHeight) {
        DrawList headings = sheetTexts(0, 1);
        ElideCrowdedTexts(glyphs, headings, TextLimits(headings));
        DrawList excluded = TakeExcludedHeadings(*GetDocument(), sheet, headings);
        PaintStickyHeadings(painter, glyphs, palette(), m_rowHeight, top, left, viewport()->width(),
                            std::move(headings), std::move(excluded));
    }
}

DrawList CMarkwiseView::sheetTexts(int top, int bottom) const {
    const SheetView sheet{m_firstAssignment, viewport()->width(), m_rowHeight};
    return LayoutSheetBand(*GetDocument(), sheet, cutoffs(), top, bottom, m_words);
}

bool CMarkwiseView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QAbstractScrollArea::viewportEvent(event);
    // A text cut short shows whole in the tooltip; anywhere else there is none.
    const auto* help = static_cast<QHelpEvent*>(event);
    const int x = help->pos().x() + horizontalScrollBar()->value();
    const int y = help->pos().y() + verticalScrollBar()->value();
    const DrawList texts = sheetTexts(y, y + 1);
    const std::vector<int> limits = TextLimits(texts);
    const int hit = TextRoomAt(texts, limits, m_rowHeight, x, y);
    const GlyphTextPainter& glyphs = m_screenGlyphs.glyphsFor(viewport()->font());
    const SheetView sheet{m_firstAssignment, viewport()->width(), m_rowHeight};
    if (hit >= 0) {
        const DrawText& text = texts[hit];
        // An assignment that does not count says so; a cut text shows whole.
        const bool excluded = IsExcludedHeading(*GetDocument(), sheet, text);
        if (excluded || glyphs.elide(text.text, TextRoom(glyphs, text, limits[hit])) != text.text) {
            const std::string tip = excluded ? text.text + " " + m_words.notCounted : text.text;
            QToolTip::showText(help->globalPos(), toQString(tip), viewport());
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

void CMarkwiseView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollSizes();
}

void CMarkwiseView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const CMarkwiseDoc& doc = *GetDocument();
        const SheetGrid grid{m_rowHeight, m_firstAssignment, VisibleColumnCount(),
                             doc.StudentsInUse(), doc.AssignmentsInUse()};
        const QPoint at = event->position().toPoint();
        // The heading line stays at the top while the students scroll under it, so a click
        // there means the heading, never the student hidden behind it.
        const bool onHeading = at.y() < m_rowHeight;
        const int scroll = onHeading ? 0 : verticalScrollBar()->value();
        const SheetHit hit = HitTestSheet(grid, at.x(), at.y(), scroll);
        if (hit.student >= 0 && hit.action != SheetHit::Action::None) {
            const bool onName = hit.action == SheetHit::Action::EditStudent;
            if (!onHeading)
                m_keyboard->setCell({hit.student, onName ? kNameColumn : hit.assignment});
        }
        const ViewDialogs& dialogs = m_dialogs;
        if (hit.action == SheetHit::Action::EditStudent && dialogs.editStudent) {
            dialogs.editStudent(*this, hit.student);
        } else if (hit.action == SheetHit::Action::EditAssignment && dialogs.editAssignment) {
            dialogs.editAssignment(*this, hit.assignment, hit.student);
        }
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void CMarkwiseView::keyPressEvent(QKeyEvent* event) {
    if (!m_keyboard->keyPress(event))
        QAbstractScrollArea::keyPressEvent(event);
}

void CMarkwiseView::wheelEvent(QWheelEvent* event) {
    if (!m_keyboard->wheel(event))
        QAbstractScrollArea::wheelEvent(event);
}

bool CMarkwiseView::focusNextPrevChild(bool) {
    // Tab and Shift+Tab move the current cell instead of leaving the sheet.
    return false;
}

} // namespace markwise
