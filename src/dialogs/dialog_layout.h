#pragma once

#include <QString>
#include <QStringList>

class QBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace markwise {

// Small helpers that give every editing dialog the same look.

// A plain-text explanation that wraps; blanks in it are kept as written.
QLabel* MakeHint(const QString& text, QWidget* parent, int widthInChars = 40);
// A label that moves the focus to its box through its mnemonic-less buddy link.
QLabel* MakeLabel(const QString& text, QWidget* buddy, QWidget* parent);
// Makes a box wide enough to show `chars` average characters.
void SetWidthInChars(QLineEdit* box, int chars);
// Makes a box wide enough to show `chars` of the widest characters a keyboard types
// ("WWWWWWWWWW" for a 10-character limit), so a full box is never scrolled.
void SetWidthForLimit(QLineEdit* box, int chars);
// A single-selection list of uniform lines, quick to fill with a whole class.
// `name` is what a screen reader calls the list.
QListWidget* MakeList(QWidget* parent, const QString& name, int widthInChars = 22,
                      int visibleLines = 10);
// Empties the list and adds the lines, then selects `row` without signalling the change.
void FillList(QListWidget* list, const QStringList& lines, int row);
QPushButton* MakeButton(const QString& text, QWidget* parent);
// A row of buttons pressed to the right edge.
QBoxLayout* MakeButtonRow(std::initializer_list<QPushButton*> buttons);
// A column of buttons pressed to the top.
QBoxLayout* MakeButtonColumn(std::initializer_list<QPushButton*> buttons);
// The list dialogs' layout: the labelled list at the left; at the right, the `side` widgets
// from the top and the buttons in a row at the bottom.
void LayOutBesideList(QWidget* dialog, const QString& label, QListWidget* list,
                      std::initializer_list<QWidget*> side,
                      std::initializer_list<QPushButton*> buttons);

} // namespace markwise
