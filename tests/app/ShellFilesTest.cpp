// Save, Save As and opening files: empty document files, the questions for a
// name, the reused document with its settings, the blank view until the next
// Run, and the command line.

#include "ShellTestSupport.h"

#include "res/CommandIds.h"

#include <QFile>
#include <QFileInfo>

namespace {

using namespace res;

void WriteFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

qint64 SizeOf(const QString& path) { return QFileInfo(path).exists() ? QFileInfo(path).size() : -1; }

} // namespace

TEST_F(ShellTest, SaveAsksForANameOnceAndWritesAnEmptyFile)
{
    ASSERT_TRUE(Start());
    answers = {PathIn("plain")};
    Choose(ID_FILE_SAVE);
    ASSERT_EQ(suggestions.size(), 1u);
    EXPECT_EQ(suggestions[0], PathIn("Untitled"));
    // The name is used as typed: no extension is added.
    EXPECT_EQ(SizeOf(PathIn("plain")), 0);
    EXPECT_EQ(Doc().GetPathName(), PathIn("plain"));
    EXPECT_EQ(Doc().GetTitle(), QStringLiteral("plain"));

    // A named document is saved again without a question, still empty.
    WriteFile(PathIn("plain"), "left over");
    Choose(ID_FILE_SAVE);
    EXPECT_EQ(suggestions.size(), 1u);
    EXPECT_EQ(SizeOf(PathIn("plain")), 0);

    // Save As always asks, starting from the current name.
    answers = {PathIn("other.dat")};
    Choose(ID_FILE_SAVE_AS);
    ASSERT_EQ(suggestions.size(), 2u);
    EXPECT_EQ(suggestions[1], PathIn("plain"));
    EXPECT_EQ(SizeOf(PathIn("other.dat")), 0);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(ShellTest, CancelledOrFailedSaveChangesNothing)
{
    ASSERT_TRUE(Start());
    Choose(ID_FILE_SAVE); // no answer: the user cancelled
    EXPECT_EQ(suggestions.size(), 1u);
    EXPECT_TRUE(Doc().GetPathName().isEmpty());
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Untitled - Spln"));

    answers = {PathIn("no such folder/x.spl")};
    Choose(ID_FILE_SAVE_AS);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("no such folder/x.spl")));
    EXPECT_TRUE(Doc().GetPathName().isEmpty());
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Untitled - Spln"));
    EXPECT_TRUE(App().GetRecentFileList()->IsEmpty());
}

TEST_F(ShellTest, OpeningAFileKeepsTheSettingsAndBlanksTheViewUntilTheNextRun)
{
    ASSERT_TRUE(Start());
    EXPECT_EQ(InkInView(), 0) << "the view is blank before the first Run";
    RunAccepted();
    ASSERT_EQ(Doc().m_bValid, 1);
    EXPECT_GT(InkInView(), 1000);
    const int example = Doc().m_nExample;
    const int method = Doc().m_nMethod;
    const auto caption = Doc().m_strCaption;

    answers = {PathIn("saved.spl")};
    Choose(ID_FILE_SAVE);
    ASSERT_EQ(SizeOf(PathIn("saved.spl")), 0);
    ASSERT_TRUE(App().OnOpenRecentFile(0));

    EXPECT_TRUE(Doc().m_arrX.empty());
    EXPECT_TRUE(Doc().m_arrY.empty());
    EXPECT_EQ(Doc().m_bValid, 1);
    EXPECT_EQ(Doc().m_nExample, example);
    EXPECT_EQ(Doc().m_nMethod, method);
    EXPECT_EQ(Doc().m_strCaption, caption);
    EXPECT_EQ(InkInView(), 0);
    EXPECT_TRUE(Doc().m_arrX.empty()) << "painting must not refill the arrays";

    RunAccepted();
    EXPECT_GT(InkInView(), 1000);
}

TEST_F(ShellTest, CommandLineOpensTheNamedFileEvenWhenItHasContent)
{
    WriteFile(PathIn("empty.spl"), "");
    WriteFile(PathIn("from elsewhere.txt"), "whatever the file holds, nothing is read");
    ASSERT_TRUE(Start({PathIn("empty.spl")}));
    EXPECT_EQ(Doc().GetPathName(), PathIn("empty.spl"));
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("empty.spl - Spln"));
    EXPECT_EQ(App().GetRecentFileList()->GetSize(), 1);
    EXPECT_TRUE(Frame().isVisible());

    ASSERT_TRUE(Start({QStringLiteral("from elsewhere.txt")})); // relative to the current folder
    EXPECT_EQ(Doc().GetPathName(), PathIn("from elsewhere.txt"));
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(ShellTest, CommandLineFailuresEndTheStartWithAMessage)
{
    EXPECT_FALSE(Start({PathIn("missing.spl")}));
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_TRUE(messages.texts[0].contains(PathIn("missing.spl")));
    EXPECT_EQ(App().GetMainWnd(), nullptr) << "no window is left behind";
    EXPECT_TRUE(App().GetRecentFileList()->IsEmpty());

    EXPECT_FALSE(Start({PathIn(".")}));
    EXPECT_EQ(messages.texts.size(), 2u);

    EXPECT_FALSE(Start({QStringLiteral("a.spl"), QStringLiteral("b.spl")}));
    ASSERT_EQ(messages.texts.size(), 3u);
    EXPECT_TRUE(messages.texts[2].contains(QStringLiteral("Usage: spln [file]")));
}
