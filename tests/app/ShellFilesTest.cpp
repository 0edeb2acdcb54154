// Save, Save As and opening files: experiment files written and read back,
// bad files refused without loss, files of earlier versions, the question
// about unsaved changes, failed saves, and the command line.

#include "ShellTestSupport.h"

#include "app/Engines.h"
#include "engine/CSplineEngine.h"
#include "model/ExperimentFile.h"
#include "res/CommandIds.h"
#include "tests/model/SettingsTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

namespace {

using namespace spln::res;

void WriteFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

qint64 SizeOf(const QString& path)
{
    return QFileInfo(path).exists() ? QFileInfo(path).size() : -1;
}

QByteArray ExperimentText(const CSplnSettings& settings)
{
    return QByteArray::fromStdString(spln::FormatExperiment(settings));
}

// An experiment away from the defaults in every setting but the source: the
// built-in function draws without a sample file.
CSplnSettings Study()
{
    return spln::test::RunnableAwayFromDefaults();
}

// Exceeding this size fails a write as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_previous{};
    void (*m_handler)(int);
};

}  // namespace

TEST_F(ShellTest, SaveAsksForANameOnceAndWritesTheSettings)
{
    ASSERT_TRUE(Start());
    answers = {PathIn("plain")};
    Choose(ID_FILE_SAVE);
    ASSERT_EQ(suggestions.size(), 1u);
    EXPECT_EQ(suggestions[0], PathIn("Untitled"));
    // The name is used as the prompt returns it.
    EXPECT_EQ(ReadFile(PathIn("plain")), ExperimentText(Doc().AcceptedSettings()));
    EXPECT_EQ(Doc().GetPathName(), PathIn("plain"));
    EXPECT_EQ(Doc().GetTitle(), QStringLiteral("plain"));

    // A named document is saved again without a question.
    WriteFile(PathIn("plain"), "left over");
    Choose(ID_FILE_SAVE);
    EXPECT_EQ(suggestions.size(), 1u);
    EXPECT_EQ(ReadFile(PathIn("plain")), ExperimentText(Doc().AcceptedSettings()));

    // Save As always asks, starting from the current name.
    answers = {PathIn("other.spl")};
    Choose(ID_FILE_SAVE_AS);
    ASSERT_EQ(suggestions.size(), 2u);
    EXPECT_EQ(suggestions[1], PathIn("plain"));
    EXPECT_EQ(ReadFile(PathIn("other.spl")), ReadFile(PathIn("plain")));
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(ShellTest, CancelledOrFailedSaveChangesNothing)
{
    ASSERT_TRUE(Start());
    Choose(ID_FILE_SAVE);  // no answer: the user cancelled
    EXPECT_EQ(suggestions.size(), 1u);
    EXPECT_TRUE(Doc().GetPathName().isEmpty());
    EXPECT_EQ(ShownTitle(Frame()), QStringLiteral("Untitled - Spln"));

    answers = {PathIn("no such folder/x.spl")};
    Choose(ID_FILE_SAVE_AS);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("no such folder/x.spl")));
    EXPECT_TRUE(Doc().GetPathName().isEmpty());
    EXPECT_EQ(ShownTitle(Frame()), QStringLiteral("Untitled - Spln"));
    EXPECT_TRUE(App().GetRecentFileList()->IsEmpty());
}

TEST_F(ShellTest, AFailedSaveLeavesTheOldFileAsItWas)
{
    WriteFile(PathIn("study.spl"), ExperimentText(Study()));
    ASSERT_TRUE(Start({PathIn("study.spl")}));
    DocEngine().m_nExample = 9;
    RunAccepted();
    ASSERT_TRUE(Doc().IsModified());
    {
        FileSizeLimit diskFull(16);
        Choose(ID_FILE_SAVE);
    }
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_TRUE(messages.texts[0].contains(PathIn("study.spl")));
    EXPECT_TRUE(
        messages.texts[0].endsWith(QStringLiteral(": File too large. The file on the disk was left as it was.")))
        << messages.texts[0].toStdString();
    EXPECT_EQ(ReadFile(PathIn("study.spl")), ExperimentText(Study()));
    EXPECT_TRUE(Doc().IsModified());

    // A folder in the target's place stays a folder.
    QDir(PathIn(".")).mkdir(QStringLiteral("folder.spl"));
    answers = {PathIn("folder.spl")};
    Choose(ID_FILE_SAVE_AS);
    ASSERT_EQ(messages.texts.size(), 2u);
    EXPECT_TRUE(QFileInfo(PathIn("folder.spl")).isDir());
    EXPECT_EQ(Doc().GetPathName(), PathIn("study.spl"));
    EXPECT_EQ(QDir(PathIn(".")).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("study.spl")})
        << "no temporary file is left behind";
}

// A failed save names the folder when the folder is the cause, and speaks of
// the file on the disk only where there is one.
TEST_F(ShellTest, AFailedSaveSaysWhetherTheFolderOrTheFileIsTheCause)
{
    ASSERT_TRUE(Start());
    QDir(PathIn(".")).mkdir(QStringLiteral("locked"));
    WriteFile(PathIn("locked/kept.spl"), "earlier");
    QFile::setPermissions(PathIn("locked"), QFile::ReadOwner | QFile::ExeOwner);
    struct Case {
        QString path;
        QString says;  // the end of the message
        bool runs;
    };
    const Case cases[] = {
        {PathIn("gone/x.spl"), QStringLiteral(": the folder \"%1\" does not exist.").arg(PathIn("gone")), true},
        {QStringLiteral("/proc/spln-x.spl"),
         QStringLiteral(": a new file cannot be made in the folder \"/proc\": No such file or directory."), true},
        // Root may make files in any folder.
        {PathIn("locked/kept.spl"),
         QStringLiteral(": a new file cannot be made in the folder \"%1\": Permission denied. The file on the disk "
                        "was left as it was.")
             .arg(PathIn("locked")),
         ::geteuid() != 0},
    };
    for (const Case& c : cases) {
        if (!c.runs)
            continue;
        answers = {c.path};
        Choose(ID_FILE_SAVE_AS);
        ASSERT_FALSE(messages.texts.empty());
        EXPECT_EQ(messages.texts.back(), QStringLiteral("Cannot save the file \"%1\"").arg(c.path) + c.says);
        messages.texts.clear();
    }
    QFile::setPermissions(PathIn("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(ReadFile(PathIn("locked/kept.spl")), "earlier");
    EXPECT_TRUE(Doc().GetPathName().isEmpty());
}

TEST_F(ShellTest, AnEmptyFileOfEarlierVersionsKeepsTheSettingsAndBlanksTheView)
{
    ASSERT_TRUE(Start());
    RunAccepted();
    ASSERT_EQ(Doc().m_bValid, 1);
    EXPECT_GT(InkInView(), 1000);
    const CSplnSettings settings = Doc().AcceptedSettings();
    const auto caption = Doc().m_strCaption;

    WriteFile(PathIn("old.spl"), "");
    ASSERT_NE(App().OpenDocumentFile(PathIn("old.spl")), nullptr);
    EXPECT_TRUE(Doc().m_arrX.empty());
    EXPECT_TRUE(Doc().m_arrY.empty());
    EXPECT_EQ(Doc().m_bValid, 1);
    EXPECT_TRUE(spln::SameSettings(Doc().AcceptedSettings(), settings));
    EXPECT_EQ(Doc().m_strCaption, caption);
    EXPECT_EQ(InkInView(), 0);
    EXPECT_TRUE(Doc().m_arrX.empty()) << "painting must not refill the arrays";
    EXPECT_EQ(SizeOf(PathIn("old.spl")), 0);

    RunAccepted();
    EXPECT_GT(InkInView(), 1000);
}

// What each fault says is the experiment file's own (tests/model); here, that
// the shell shows it and keeps the open experiment, for a fault in a line and
// for one of the file as a whole.
TEST_F(ShellTest, BadFilesAreRefusedAndTheOpenDocumentStays)
{
    WriteFile(PathIn("study.spl"), ExperimentText(Study()));
    ASSERT_TRUE(Start({PathIn("study.spl")}));
    WriteFile(PathIn("range.spl"),
              QByteArray::fromStdString(std::string(spln::kExperimentHeader) + "\nwindow = 501\n"));
    const struct {
        const char* name;
        const char* message;
    } cases[] = {
        {"range.spl", ", line 2: window = 501: Please enter an integer between 1 and 500."},
        {"missing.spl", ": the file cannot be opened: No such file or directory."},
    };
    for (const auto& c : cases) {
        const QString path = PathIn(QString::fromLatin1(c.name));
        const QByteArray before = ReadFile(path);
        const std::size_t shown = messages.texts.size();
        EXPECT_EQ(App().OpenDocumentFile(path), nullptr) << c.name;
        ASSERT_EQ(messages.texts.size(), shown + 1) << c.name;
        EXPECT_EQ(messages.texts.back(), path + QString::fromLatin1(c.message)) << c.name;

        EXPECT_EQ(Doc().GetPathName(), PathIn("study.spl")) << c.name;
        EXPECT_EQ(ShownTitle(Frame()), QStringLiteral("study.spl - Spln")) << c.name;
        EXPECT_TRUE(spln::SameSettings(Doc().AcceptedSettings(), Study())) << c.name;
        EXPECT_EQ(Doc().m_arrX.size(), 640u) << c.name;
        EXPECT_EQ(App().GetRecentFileList()->GetSize(), 1) << c.name;
        EXPECT_EQ(ReadFile(path), before) << c.name;
    }
    EXPECT_GT(InkInView(), 1000) << "the open experiment is still drawn";
}

TEST_F(ShellTest, UnsavedChangesAreSavedDiscardedOrKeptAsTheUserAnswers)
{
    WriteFile(PathIn("study.spl"), ExperimentText(Study()));
    ASSERT_TRUE(Start({PathIn("study.spl")}));
    // Accepting the same settings changes nothing and asks nothing.
    RunAccepted();
    EXPECT_FALSE(Doc().IsModified());
    const auto change = [this](int example) {
        DocEngine().m_nExample = example;
        RunAccepted();
        ASSERT_TRUE(Doc().IsModified());
        EXPECT_EQ(ShownTitle(Frame()), QStringLiteral("study.spl* - Spln"));
    };

    // Cancel: New, a recent file and Exit leave everything as it was.
    change(5);
    messages.replies = {IDCANCEL, IDCANCEL, IDCANCEL};
    Choose(ID_FILE_NEW);
    EXPECT_FALSE(App().OnOpenRecentFile(0));
    EXPECT_FALSE(Frame().close());
    ASSERT_EQ(messages.texts.size(), 3u);
    for (const QString& text : messages.texts)
        EXPECT_EQ(text, QStringLiteral("Save changes to study.spl?"));
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(Doc().m_nExample, 5);
    EXPECT_EQ(Doc().GetPathName(), PathIn("study.spl"));
    EXPECT_EQ(App().GetRecentFileList()->GetSize(), 1);
    EXPECT_EQ(ReadFile(PathIn("study.spl")), ExperimentText(Study()));

    // No: the new document comes, the file keeps its old settings.
    messages.replies = {IDNO};
    Choose(ID_FILE_NEW);
    EXPECT_EQ(messages.texts.size(), 4u);
    EXPECT_TRUE(Doc().GetPathName().isEmpty());
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(ReadFile(PathIn("study.spl")), ExperimentText(Study()));

    // Yes on Exit: the changes are saved, then the window closes.
    ASSERT_TRUE(App().OnOpenRecentFile(0));
    EXPECT_EQ(messages.texts.size(), 4u) << "an unchanged document asks nothing";
    change(8);
    messages.replies = {IDYES};
    EXPECT_TRUE(Frame().close());
    EXPECT_EQ(messages.texts.size(), 5u);
    CSplnSettings expected = Study();
    expected.m_nExample = 8;
    EXPECT_EQ(ReadFile(PathIn("study.spl")), ExperimentText(expected));
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(ShellTest, CommandLineOpensTheNamedFile)
{
    WriteFile(PathIn("empty.spl"), "");
    WriteFile(PathIn("from elsewhere.txt"), ExperimentText(Study()));
    ASSERT_TRUE(Start({PathIn("empty.spl")}));
    EXPECT_EQ(Doc().GetPathName(), PathIn("empty.spl"));
    EXPECT_EQ(ShownTitle(Frame()), QStringLiteral("empty.spl - Spln"));
    EXPECT_EQ(App().GetRecentFileList()->GetSize(), 1);
    EXPECT_TRUE(Frame().isVisible());

    ASSERT_TRUE(Start({QStringLiteral("from elsewhere.txt")}));  // relative to the current folder
    EXPECT_EQ(Doc().GetPathName(), PathIn("from elsewhere.txt"));
    EXPECT_TRUE(spln::SameSettings(Doc().AcceptedSettings(), Study()));

    // A file an editor saved with a byte-order mark.
    WriteFile(PathIn("marked.spl"), "\xEF\xBB\xBF" + ExperimentText(Study()));
    ASSERT_TRUE(Start({PathIn("marked.spl")}));
    EXPECT_EQ(Doc().GetPathName(), PathIn("marked.spl"));
    EXPECT_TRUE(spln::SameSettings(Doc().AcceptedSettings(), Study()));
    EXPECT_TRUE(messages.texts.empty());
}

// A start with a file that cannot be opened tells why, then opens the window
// on a new experiment, as any desktop program goes on.
TEST_F(ShellTest, CommandLineFailuresAreReportedAndTheWindowOpensAllTheSame)
{
    const QStringList bad[] = {{PathIn("missing.spl")},
                               {PathIn(".")},
                               {QStringLiteral("a.spl"), QStringLiteral("b.spl")},
                               {PathIn("pipe.spl")}};
    ASSERT_EQ(::mkfifo(QFile::encodeName(PathIn("pipe.spl")).constData(), 0600), 0);
    const char* const says[] = {"missing.spl", "this is a folder", "Usage: spln [file]", "is a pipe"};
    for (std::size_t i = 0; i < std::size(bad); ++i) {
        SCOPED_TRACE(says[i]);
        ASSERT_TRUE(Start(bad[i]));
        ASSERT_EQ(messages.texts.size(), i + 1);
        EXPECT_TRUE(messages.texts.back().contains(QString::fromLatin1(says[i])))
            << messages.texts.back().toStdString();
        EXPECT_TRUE(Frame().isVisible());
        EXPECT_EQ(ShownTitle(Frame()), QStringLiteral("Untitled - Spln"));
        EXPECT_TRUE(App().GetRecentFileList()->IsEmpty());
    }
}

// File > Open Data: a refused file is named with its line and column and
// changes nothing; an accepted one is the source, named in the title, kept in
// the saved experiment relative to it, and read again on opening.
TEST_F(ShellTest, DataFileTravelsWithTheExperiment)
{
    ASSERT_TRUE(Start());
    QByteArray rows = "x,y\n";
    for (int i = 0; i < 300; ++i)
        rows += QByteArray::number(i * 0.02, 'g', 17) + "," + QByteArray::number(i % 7) + "\n";
    WriteFile(PathIn("measured.csv"), rows);
    WriteFile(PathIn("bad.csv"), "x,y\n1,2\n3\n");
    const CSplnSettings before = Doc().AcceptedSettings();

    EXPECT_FALSE(Doc().OpenDataFile(PathIn("bad.csv")));
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_TRUE(messages.texts[0].contains(PathIn("bad.csv") + ":3:1: expected 2 numbers"))
        << messages.texts[0].toStdString();
    EXPECT_TRUE(spln::SameSettings(Doc().AcceptedSettings(), before));
    EXPECT_TRUE(Doc().m_strDataPath.empty());

    ASSERT_TRUE(Doc().OpenDataFile(PathIn("measured.csv")));
    EXPECT_EQ(Doc().AcceptedSettings().m_nSource, spln::kSourceFile);
    EXPECT_EQ(Doc().PictureTitle(), "Data: measured.csv");
    ASSERT_GT(InkInView(), 0);
    Choose(ID_EDIT_COPY);  // what leaves the window is titled as the window is
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->data("image/svg+xml").contains("<title>Data: measured.csv"));
    answers = {PathIn("with data.spl")};
    Choose(ID_FILE_SAVE_AS);
    EXPECT_TRUE(ReadFile(PathIn("with data.spl")).contains("\ndata = \"measured.csv\"\n"))
        << ReadFile(PathIn("with data.spl")).toStdString();

    Choose(ID_FILE_NEW);
    EXPECT_TRUE(Doc().m_strDataPath.empty());
    ASSERT_TRUE(App().OpenDocumentFile(PathIn("with data.spl")));
    EXPECT_EQ(QString::fromStdString(Doc().m_strDataPath), PathIn("measured.csv"));
    EXPECT_EQ(Doc().m_nDataSamples, 300);  // the window checks count the file's own samples
    EXPECT_EQ(Doc().AcceptedSettings().m_nSource, spln::kSourceFile);
    EXPECT_EQ(messages.texts.size(), 1u);

    // Another data file with the same settings is a step of its own.
    WriteFile(PathIn("longer.csv"), rows + "6,0\n");
    ASSERT_TRUE(Doc().OpenDataFile(PathIn("longer.csv")));
    EXPECT_EQ(Doc().m_nDataSamples, 301);
    EXPECT_TRUE(Doc().IsModified());
    Choose(ID_EDIT_UNDO);
    EXPECT_EQ(QString::fromStdString(Doc().m_strDataPath), PathIn("measured.csv"));
    EXPECT_EQ(Doc().m_nDataSamples, 300);
    EXPECT_FALSE(Doc().IsModified());
    Choose(ID_EDIT_REDO);
    EXPECT_EQ(QString::fromStdString(Doc().m_strDataPath), PathIn("longer.csv"));

    // An experiment that resamples an uneven file is read with its own
    // resampling, whatever the document it replaces refused.
    QByteArray uneven = "x,y\n";
    for (int i = 0; i < 150; ++i)
        uneven += QByteArray::number(i * (i + 1) * 0.001, 'g', 17) + "," + QByteArray::number(i % 5) + "\n";
    WriteFile(PathIn("uneven.csv"), uneven);
    CSplnSettings resampling = Doc().AcceptedSettings();
    resampling.m_nResample = 1;
    Doc().ChangeSettings(resampling, QStringLiteral("resample"));
    ASSERT_TRUE(Doc().OpenDataFile(PathIn("uneven.csv"))) << messages.texts.back().toStdString();
    answers = {PathIn("uneven.spl")};
    Choose(ID_FILE_SAVE_AS);
    Choose(ID_FILE_NEW);
    ASSERT_EQ(Doc().AcceptedSettings().m_nResample, 0);
    ASSERT_TRUE(App().OpenDocumentFile(PathIn("uneven.spl")));
    EXPECT_EQ(Doc().m_nDataSamples, 150);
    EXPECT_EQ(messages.texts.size(), 1u);
}
