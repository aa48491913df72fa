#pragma once
// The window as the tests drive it: catalogs, settings and recovery copies
// in a temporary folder, every dialog and message box answered by
// ScriptedPrompts, module files built in code.

#include "support/ModuleBuilder.h"
#include "ui/hexview/HexView.h"
#include "ui/session/WindowPrompts.h"
#include "ui/steplist/StepListView.h"
#include "ui/window/BottomPanel.h"
#include "ui/window/MainWindow.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QMap>
#include <QtCore/QSettings>
#include <QtGui/QAction>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QToolButton>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

class ScriptedPrompts final : public WindowPrompts {
public:
    // Answers of the next file dialogs, in order; a null string, or none
    // left, cancels.
    std::deque<QString> openAnswers;
    std::deque<QString> saveAnswers;
    std::deque<pst::SaveChangesAnswer> saveChangesAnswers;
    std::deque<RestoreAnswer> restoreAnswers;
    // Runs while an open dialog would be shown (the command still running).
    std::function<void()> duringOpen;

    std::vector<FileDialogRequest> opened;
    std::vector<FileDialogRequest> saved;
    QStringList warnings;
    QStringList errors;
    int saveChangesAsked = 0;
    // Answers of the changed-on-disk questions (true: Replace, Load), in
    // order; none left: Cancel, Keep. The files each named.
    std::deque<bool> replaceAnswers;
    std::deque<bool> reloadAnswers;
    QStringList replaceAsked;
    QStringList reloadAsked;
    QStringList restoreAsked; // the times each restore question named

    std::optional<QString> openFile(const FileDialogRequest& request) override
    {
        opened.push_back(request);
        if (duringOpen)
            duringOpen();
        return next(openAnswers);
    }
    std::optional<QString> saveFile(const FileDialogRequest& request) override
    {
        saved.push_back(request);
        return next(saveAnswers);
    }
    void warning(const QString& text) override { warnings << text; }
    void critical(const QString& text) override { errors << text; }
    pst::SaveChangesAnswer askSaveChanges() override
    {
        ++saveChangesAsked;
        if (saveChangesAnswers.empty())
            return pst::SaveChangesAnswer::Discard;
        const pst::SaveChangesAnswer answer = saveChangesAnswers.front();
        saveChangesAnswers.pop_front();
        return answer;
    }
    bool askReplaceChangedFile(const QString& path) override
    {
        replaceAsked << path;
        return nextAnswer(replaceAnswers);
    }
    bool askReloadChangedFile(const QString& path) override
    {
        reloadAsked << path;
        return nextAnswer(reloadAnswers);
    }
    RestoreAnswer askRestore(const QString& savedAt) override
    {
        restoreAsked << savedAt;
        if (restoreAnswers.empty())
            return RestoreAnswer::Later;
        const RestoreAnswer answer = restoreAnswers.front();
        restoreAnswers.pop_front();
        return answer;
    }

private:
    static bool nextAnswer(std::deque<bool>& queue)
    {
        if (queue.empty())
            return false;
        const bool answer = queue.front();
        queue.pop_front();
        return answer;
    }
    static std::optional<QString> next(std::deque<QString>& queue)
    {
        if (queue.empty())
            return std::nullopt;
        const QString answer = queue.front();
        queue.pop_front();
        if (answer.isNull())
            return std::nullopt;
        return answer;
    }
};

class WindowFixture {
public:
    WindowFixture()
    {
        QVERIFY(m_dir.isValid());
        recoveryFolder = path(QStringLiteral("data"));
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString settingsFile() const { return path(QStringLiteral("settings/pstedit.ini")); }
    // The values stored in the window's group of the settings file.
    QMap<QString, QString> storedPlacement() const
    {
        QSettings s(settingsFile(), QSettings::IniFormat);
        s.beginGroup(QStringLiteral("TfmScript"));
        QMap<QString, QString> out;
        for (const QString& key : s.childKeys())
            out[key] = s.value(key).toString();
        return out;
    }
    // Where the windows opened next keep their recovery copies, and how long
    // after a change they write them; two fixtures may share a folder.
    QString recoveryFolder;
    std::chrono::milliseconds recoveryInterval{10000};

    void write(const QString& name, const QByteArray& bytes) const
    {
        QDir().mkpath(QFileInfo(path(name)).absolutePath());
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    void writeModule(const QString& name, const pst::test::ModuleBuilder& builder) const
    {
        const pst::Bytes bytes = builder.build();
        write(name, QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
    }
    QByteArray read(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A new window over the folder's catalogs (folder "bin") and settings.
    TfmScript& open()
    {
        auto prompts = std::make_unique<ScriptedPrompts>();
        m_prompts = prompts.get();
        WindowSetup setup;
        QDir().mkpath(path(QStringLiteral("bin")));
        setup.catalogFolder = path(QStringLiteral("bin")).toStdString();
        setup.prompts = std::move(prompts);
        const QString file = settingsFile();
        setup.settings = [file] { return std::make_unique<QSettings>(file, QSettings::IniFormat); };
        setup.recoveryFolder = recoveryFolder;
        setup.recoveryInterval = recoveryInterval;
        destroyWindow();
        m_session = std::make_unique<EditorSession>(std::move(setup));
        m_window = std::make_unique<TfmScript>(*m_session);
        return *m_window;
    }
    TfmScript& show()
    {
        TfmScript& w = m_window ? *m_window : open();
        w.show();
        w.activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(&w)); }();
        return w;
    }
    void closeWindow()
    {
        if (m_window)
            m_window->close();
        destroyWindow();
    }
    // Destroys the window without closing it first, then the state it showed.
    void destroyWindow()
    {
        m_window.reset();
        m_session.reset();
    }

    TfmScript& window() { return *m_window; }
    ScriptedPrompts& prompts() { return *m_prompts; }
    BottomPanel& panel() { return *m_window->panel(); }
    pst::Editor& editor() { return m_window->editor(); }

    // Loads a module file through the Load button, its dialog answered.
    void load(const QString& name)
    {
        m_prompts->openAnswers.push_back(path(name));
        m_window->panel()->btRead->click();
    }
    QString title() const { return m_window->windowTitle(); }
    QByteArray hexBytes() const { return m_window->heScript()->bytes(); }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<EditorSession> m_session;
    std::unique_ptr<TfmScript> m_window;
    ScriptedPrompts* m_prompts = nullptr;
};

// Chooses an item of the step list's popup menu, as a click on it would.
inline void choose(TfmScript& window, const char* item)
{
    QAction* action = window.pmScript()->findChild<QAction*>(QLatin1String(item));
    QVERIFY2(action, item);
    action->trigger();
}

// A record's bytes as a QByteArray.
inline QByteArray bytesOf(const pst::StepRecord& record)
{
    return QByteArray(reinterpret_cast<const char*>(record.bytes().data()), static_cast<qsizetype>(record.size()));
}
