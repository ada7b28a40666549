#pragma once

// What the grade-sheet tests share: a fresh application for each test, with a profile of its
// own, and one grade sheet open at a time.
#include "core/markwise_doc.h"
#include "core/profile.h"
#include "support/qt_test_support.h"

#include <QTemporaryDir>
#include <memory>

namespace markwise::test {

class SheetFixture {
protected:
    void startApp() {
        m_app = std::make_unique<CWinApp>(CProfile(m_dir.filePath("Markwise.ini").toStdString()));
    }
    void closeAll() {
        m_sheet.reset();
        m_app.reset();
    }
    // Opens `doc` unmodified in a sheet of its own, replacing the last one.
    CMarkwiseView& open(std::unique_ptr<CMarkwiseDoc> doc, int width = 676) {
        doc->SetModifiedFlag(false);
        m_sheet.reset();
        m_sheet = std::make_unique<SheetWindow>(*m_app, std::move(doc));
        return m_sheet->Show(width);
    }
    const CMarkwiseDoc& doc() { return m_sheet->document.data(); }

    QTemporaryDir m_dir;
    std::unique_ptr<CWinApp> m_app;
    std::unique_ptr<SheetWindow> m_sheet;
};

} // namespace markwise::test
