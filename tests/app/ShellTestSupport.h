#pragma once

// A running Spln for the shell tests: the application started in a fresh
// current folder with an empty profile, message boxes captured, and the
// file-name questions of Save and Open answered from a queue.

#include "app/CMainFrame.h"
#include "app/CSplnApp.h"
#include "app/CSplnDoc.h"
#include "app/CSplnView.h"
#include "platform/CStatusBar.h"
#include "platform/CToolBar.h"
#include "tests/platform/UiTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <memory>

// The profile the application keeps its recent files in.
inline QSettings SplnProfile()
{
    return QSettings(QStringLiteral("Spln"), QStringLiteral("Spln"));
}

// Where earlier versions kept it.
inline QSettings EarlierSplnProfile()
{
    return QSettings(QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("Spln"));
}

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_previousDir = QDir::currentPath();
        QDir::setCurrent(m_folder.path());
        SplnProfile().clear();
        EarlierSplnProfile().clear();
    }

    void TearDown() override
    {
        m_app.reset();
        QDir::setCurrent(m_previousDir);
    }

    // Starts the application with the given arguments; the result of InitInstance.
    bool Start(const QStringList& arguments = {})
    {
        m_app = std::make_unique<CSplnApp>();
        m_app->SetCommandLine(arguments);
        const auto prompt = [this](const QString& suggestion) {
            suggestions.push_back(suggestion);
            if (answers.empty())
                return QString();
            const QString answer = answers.front();
            answers.pop_front();
            return answer;
        };
        m_app->SetSaveFileNamePrompt(prompt);
        m_app->SetOpenFileNamePrompt(prompt);
        return m_app->InitInstance();
    }

    CSplnApp& App() { return *m_app; }
    CMainFrame& Frame() { return *m_app->GetMainFrame(); }
    CSplnDoc& Doc() { return *m_app->GetSplnDoc(); }
    CSplnView& View() { return *m_app->GetSplnView(); }
    QAction* ActionOf(unsigned id) { return Frame().Commands().FindAction(id); }

    QString PathIn(const QString& name) const { return QDir(m_folder.path()).filePath(name); }

    // Chooses the command from its menu entry (or shortcut): what a user does.
    void Choose(unsigned id) { ActionOf(id)->trigger(); }

    // Spline > Run with the settings dialog accepted as it opens.
    void RunAccepted()
    {
        QTimer::singleShot(0, [] {
            if (QWidget* dialog = QApplication::activeModalWidget())
                QMetaObject::invokeMethod(dialog, "accept");
        });
        Choose(32776);
    }

    // Pixels of the view's picture that are not white.
    int InkInView()
    {
        View().resize(640, 480);
        const QImage shot = View().grab().toImage();
        int ink = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixelColor(x, y) != QColor(Qt::white))
                    ++ink;
        return ink;
    }

    std::deque<QString> answers;       // file names Save and Open get, in order
    std::vector<QString> suggestions;  // what Save and Open suggested each time
    CapturedMessages messages;

private:
    QTemporaryDir m_folder;
    QString m_previousDir;
    std::unique_ptr<CSplnApp> m_app;
};
