#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

class QWidget;

namespace markwise {

class CMarkwiseDoc;

// Edit > Find Student and Find Next for a window that lists the students: asks for a text,
// then shows the first student whose name or ID contains it; Find Next shows the next one
// after the current student, round to the start.
class StudentFind {
    Q_DECLARE_TR_FUNCTIONS(StudentFind)
public:
    // current: the student shown now (-1 for none); show: makes student s the current one.
    StudentFind(QWidget& window, std::function<const CMarkwiseDoc&()> doc,
                std::function<int()> current, std::function<void(int)> show);

    void find();
    // Without a text yet, the same as find().
    void findNext();

private:
    void showFrom(int from);

    QWidget& m_window;
    std::function<const CMarkwiseDoc&()> m_doc;
    std::function<int()> m_current;
    std::function<void(int)> m_show;
    QString m_text;
};

} // namespace markwise
