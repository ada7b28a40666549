#pragma once

#include "app/main_frame.h"
#include "app/markwise_app.h"
#include "core/class_edit.h"
#include "qt_test_support.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace markwise::test {

// The program on a profile in a fresh temporary folder, with every message answered by the
// test. A test class derives from it and calls these from its own test slots.
class AppFixture {
protected:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CMarkwiseApp> m_app;
    Messages m_messages;

    static void PrepareApplication() {
        DropOffscreenNoise();
        QApplication::setQuitOnLastWindowClosed(false);
    }
    // A new folder and no messages left from the test before.
    void FreshFolder() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_messages.texts.clear();
        m_messages.answers.clear();
        m_messages.file.clear();
    }
    // Closes the program, answering its questions on modified classes with `answers`.
    void CloseApp(QList<Answer> answers = {Answer::Discard, Answer::Discard, Answer::Discard}) {
        m_messages.answers = std::move(answers);
        m_app.reset();
    }

    CMarkwiseApp& CreateApp() {
        m_app = std::make_unique<CMarkwiseApp>(CProfile(profilePath().toStdString()));
        return *m_app;
    }
    bool StartApp(const QString& file = QString()) {
        return CreateApp().InitInstance({false, file});
    }
    // A real change, so that the class counts as modified.
    static void Change(CDocument& document) {
        document.editor().apply("Add Student", AddStudentEdit({"New", "Student", "", "", "", ""}));
    }
    QString profilePath() const { return m_dir->filePath("Markwise.ini"); }
    QString copyOfSample(const QString& name = "sample.mkw") const {
        const QString path = m_dir->filePath(name);
        QFile::copy(qEnvironmentVariable("MARKWISE_SOURCE_DIR") + "/examples/sample.mkw", path);
        return path;
    }
    CMainFrame& frame() { return *m_app->mainFrame(); }
    CDocManager& manager() { return m_app->docManager(); }
};

} // namespace markwise::test
