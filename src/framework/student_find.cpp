#include "student_find.h"

#include "geometry/sheet_texts.h"
#include "text.h"
#include "ui_seam.h"

namespace markwise {

StudentFind::StudentFind(QWidget& window, std::function<const CMarkwiseDoc&()> doc,
                         std::function<int()> current, std::function<void(int)> show)
    : m_window(window), m_doc(std::move(doc)), m_current(std::move(current)),
      m_show(std::move(show)) {}

void StudentFind::find() {
    const QString text =
        UiSeam::askText(&m_window, tr("Find Student"), tr("Name or ID contains:"), m_text);
    if (text.trimmed().isEmpty())
        return;
    m_text = text.trimmed();
    showFrom(0);
}

void StudentFind::findNext() {
    if (m_text.isEmpty()) {
        find();
        return;
    }
    showFrom(m_current() + 1);
}

void StudentFind::showFrom(int from) {
    const int s = FindStudent(m_doc(), fromQString(m_text), from);
    if (s < 0) {
        UiSeam::tell(&m_window, tr("No student's name or ID contains \"%1\".").arg(m_text));
        return;
    }
    m_show(s);
}

} // namespace markwise
