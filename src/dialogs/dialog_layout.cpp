#include "dialog_layout.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>

namespace markwise {

QLabel* MakeHint(const QString& text, QWidget* parent, int widthInChars) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setMinimumWidth(label->fontMetrics().averageCharWidth() * widthInChars);
    return label;
}

QLabel* MakeLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(buddy);
    return label;
}

namespace {
// Gives the box room for `textWidth` pixels of text and the cursor after it.
void SetTextWidth(QLineEdit* box, int textWidth) {
    const QFontMetrics metrics = box->fontMetrics();
    // The box's own hint is 17 'x' wide plus frame and margins; keep those, change the text.
    const int frame = box->sizeHint().width() - 17 * metrics.horizontalAdvance(QLatin1Char('x'));
    box->setFixedWidth(frame + textWidth + metrics.averageCharWidth());
}
} // namespace

void SetWidthInChars(QLineEdit* box, int chars) {
    SetTextWidth(box, chars * box->fontMetrics().averageCharWidth());
}

void SetWidthForLimit(QLineEdit* box, int chars) {
    const QFontMetrics metrics = box->fontMetrics();
    int widest = 0;
    for (char16_t c = u' '; c <= u'~'; ++c)
        widest = std::max(widest, metrics.horizontalAdvance(QChar(c)));
    SetTextWidth(box, chars * widest);
}

QListWidget* MakeList(QWidget* parent, const QString& name, int widthInChars, int visibleLines) {
    auto* list = new QListWidget(parent);
    list->setAccessibleName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    const QFontMetrics metrics = list->fontMetrics();
    // Room for the text, a scroll bar and the frame, so that full entries are not elided.
    const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    const int text = metrics.horizontalAdvance(QString(widthInChars, QLatin1Char('n')));
    list->setMinimumSize(text + scrollBar + 2 * list->frameWidth() + metrics.averageCharWidth(),
                         metrics.lineSpacing() * visibleLines);
    return list;
}

void FillList(QListWidget* list, const QStringList& lines, int row) {
    const QSignalBlocker blocker(list);
    list->clear();
    list->addItems(lines);
    if (row >= 0 && row < list->count())
        list->setCurrentRow(row);
}

QPushButton* MakeButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setMinimumWidth(button->fontMetrics().averageCharWidth() * 12);
    return button;
}

QBoxLayout* MakeButtonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}

QBoxLayout* MakeButtonColumn(std::initializer_list<QPushButton*> buttons) {
    auto* column = new QVBoxLayout;
    for (QPushButton* button : buttons)
        column->addWidget(button);
    column->addStretch(1);
    return column;
}

void LayOutBesideList(QWidget* dialog, const QString& label, QListWidget* list,
                      std::initializer_list<QWidget*> side,
                      std::initializer_list<QPushButton*> buttons) {
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(MakeLabel(label, list, dialog));
    listColumn->addWidget(list, 1);

    auto* right = new QVBoxLayout;
    for (QWidget* widget : side)
        right->addWidget(widget);
    right->addStretch(1);
    right->addLayout(MakeButtonRow(buttons));

    auto* layout = new QHBoxLayout(dialog);
    layout->addLayout(listColumn);
    layout->addLayout(right);
}

} // namespace markwise
