// The About box and the help window.

#include "ShellTestSupport.h"

#include "app/CAboutDlg.h"
#include "app/HelpText.h"
#include "platform/DialogBuilder.h"
#include "res/AboutDialog.h"
#include "res/CommandIds.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

namespace res = spln::res;
using namespace spln;

TEST(AboutBox, ShowsTitleIconAndTextsAtTheirPlaces)
{
    CAboutDlg dialog;
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Spln"));

    const DialogBaseUnits units = BaseUnitsOfFont(DialogFont(res::kAboutDialogTemplate));
    EXPECT_EQ(dialog.size(), DialogUnitsToPixels(0, 0, 281, 55, units).size());

    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            texts << label->text();
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("Velmoric Splines. Version 1.0")));
    EXPECT_EQ(texts.size(), 2);

    auto* icon = qobject_cast<QLabel*>(dialog.GetDlgItem(res::IDC_ABOUT_ICON));
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->pixmap().isNull());
    EXPECT_EQ(icon->pos(), DialogUnitsToPixels(11, 17, 20, 20, units).topLeft());

    auto* ok = qobject_cast<QPushButton*>(dialog.GetDlgItem(IDOK));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->isDefault());
}

TEST(AboutBox, OkEscapeAndCloseBoxEndIt)
{
    for (const char* way : {"ok", "escape", "close"}) {
        CAboutDlg dialog;
        QTimer::singleShot(0, [&dialog, way] {
            const std::string how = way;
            if (how == "ok")
                static_cast<QPushButton*>(dialog.GetDlgItem(IDOK))->click();
            else if (how == "escape")
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                dialog.close();
        });
        const int result = dialog.DoModal();
        EXPECT_EQ(result, std::string(way) == "ok" ? IDOK : IDCANCEL) << way;
        EXPECT_FALSE(dialog.isVisible()) << way;
    }
}

TEST_F(ShellTest, AboutCommandRunsTheBoxOverTheFrame)
{
    ASSERT_TRUE(Start());
    QString title;
    QTimer::singleShot(0, [&title] {
        if (auto* dialog = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget())) {
            title = dialog->windowTitle();
            dialog->close();
        }
    });
    Choose(res::ID_APP_ABOUT);
    EXPECT_EQ(title, QStringLiteral("About Spln"));
}

TEST_F(ShellTest, HelpTopicsShowsTheProgramsOwnHelp)
{
    ASSERT_TRUE(Start());
    Choose(res::ID_HELP_FINDER);
    QDialog* help = Frame().HelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    const QString text = help->findChild<QTextBrowser*>()->toPlainText();
    for (const char* topic : {"sig.dat", "4501", "Projection on Schwarz space", "Method of Least Squares",
                              "Window of averaging", "Spline > Run"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(topic))) << topic;

    // Asking again raises the same window; closing the frame closes it too.
    Choose(res::ID_HELP);
    EXPECT_EQ(Frame().HelpWindow(), help);
    Frame().close();
    EXPECT_FALSE(help->isVisible());
}

TEST_F(ShellTest, PrintCommandsOpenTheStandardPrintDialogs)
{
    ASSERT_TRUE(Start());
    const std::vector<std::pair<unsigned, const char*>> commands{
        {res::ID_FILE_PRINT, "QPrintDialog"},
        {res::ID_FILE_PRINT_PREVIEW, "QPrintPreviewDialog"},
        {res::ID_FILE_PRINT_SETUP, "QPageSetupDialog"},
    };
    for (const auto& [id, expected] : commands) {
        QString opened;
        QTimer::singleShot(0, [&opened] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                opened = QString::fromLatin1(dialog->metaObject()->className());
                static_cast<QDialog*>(dialog)->reject();
            }
        });
        Choose(id);
        EXPECT_TRUE(opened.contains(QString::fromLatin1(expected))) << id << " opened " << opened.toStdString();
    }
}
