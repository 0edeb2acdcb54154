// The recent-file list: its order, size limit and menu texts, its place in
// the user's profile, and the File menu entries that open its files.

#include "ShellTestSupport.h"

#include "platform/RecentFileList.h"
#include "res/CommandIds.h"

#include <QFile>

namespace {

using namespace spln::res;

QStringList RecentMenuTexts(CMainFrame& frame)
{
    QStringList texts;
    for (unsigned id = ID_FILE_MRU_FILE1; id < ID_FILE_MRU_FILE1 + 4; ++id) {
        QAction* action = frame.Commands().FindAction(id);
        if (action && action->isVisible() && frame.FindMenuOfCommand(id))
            texts << action->text();
    }
    return texts;
}

void Touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

}  // namespace

TEST(RecentFileList, KeepsMostRecentFirstWithoutDuplicatesUpToItsSize)
{
    CRecentFileList list(4, QStringLiteral("Recent File List"), QStringLiteral("File"));
    for (const char* name : {"/d/a", "/d/b", "/d/c", "/d/./a", "/d/e", "/d/f"})
        list.Add(QString::fromLatin1(name));
    ASSERT_EQ(list.GetSize(), 4);
    EXPECT_EQ(list[0], QStringLiteral("/d/f"));
    EXPECT_EQ(list[1], QStringLiteral("/d/e"));
    EXPECT_EQ(list[2], QStringLiteral("/d/a"));
    EXPECT_EQ(list[3], QStringLiteral("/d/c"));
    list.Remove(0);
    list.Remove(7);
    EXPECT_EQ(list[0], QStringLiteral("/d/e"));
    EXPECT_EQ(list.GetSize(), 3);
}

TEST(RecentFileList, MenuTextsAreNumberedAndShowNamesAsWritten)
{
    CRecentFileList list(4, QStringLiteral("Recent File List"), QStringLiteral("File"));
    list.Add(QStringLiteral("/home/user/projects/spline experiments/run-17/results.spl"));
    list.Add(QStringLiteral("/work/R&D.spl"));
    list.Add(QStringLiteral("/work/a.spl"));
    EXPECT_EQ(list.MenuText(0, QStringLiteral("/work")), QStringLiteral("&1 a.spl"));
    EXPECT_EQ(list.MenuText(1, QStringLiteral("/work")), QStringLiteral("&2 R&&D.spl"));
    EXPECT_EQ(list.MenuText(1, QStringLiteral("/elsewhere")), QStringLiteral("&2 /work/R&&D.spl"));
    // Long paths keep their first folder and as much of their end as fits.
    EXPECT_EQ(list.GetDisplayName(2, QStringLiteral("/work")), QStringLiteral("/home/.../run-17/results.spl"));
}

TEST(RecentFileList, AbbreviatesLongPathsInTheMiddle)
{
    EXPECT_EQ(spln::AbbreviatePath(QStringLiteral("/short/path.spl"), 30), QStringLiteral("/short/path.spl"));
    EXPECT_EQ(spln::AbbreviatePath(QStringLiteral("/a/bbbbbbbbbb/cccccccccc/dddd/e.spl"), 20),
              QStringLiteral("/a/.../dddd/e.spl"));
    EXPECT_EQ(spln::AbbreviatePath(QStringLiteral("/a/b/a-file-name-that-is-too-long.spl"), 20),
              QStringLiteral("a-file-name-that-is-too-long.spl"));
    for (int length = 5; length < 40; ++length)
        EXPECT_LE(spln::AbbreviatePath(QStringLiteral("/aa/bb/cc/dd/ee/ff/gg/x.spl"), length).size(),
                  std::max<qsizetype>(length, 5))
            << length;
}

TEST_F(ShellTest, ProfileRoundTripSkipsHolesAndDropsStaleSlots)
{
    {
        QSettings profile = SplnProfile();
        profile.setValue(QStringLiteral("Recent File List/File1"), QStringLiteral("/x/one"));
        profile.setValue(QStringLiteral("Recent File List/File2"), QString());
        profile.setValue(QStringLiteral("Recent File List/File3"), QStringLiteral("/x/three"));
        profile.setValue(QStringLiteral("Recent File List/File4"), QStringLiteral("/x/one"));
    }
    CRecentFileList list(4, QStringLiteral("Recent File List"), QStringLiteral("File"));
    QSettings profile = SplnProfile();
    list.ReadList(profile);
    ASSERT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list[1], QStringLiteral("/x/three"));
    list.WriteList(profile);
    EXPECT_EQ(profile.value(QStringLiteral("Recent File List/File2")).toString(), QStringLiteral("/x/three"));
    EXPECT_FALSE(profile.contains(QStringLiteral("Recent File List/File3")));
    EXPECT_FALSE(profile.contains(QStringLiteral("Recent File List/File4")));
}

TEST_F(ShellTest, TwoSavesListBothMostRecentFirst)
{
    ASSERT_TRUE(Start());
    EXPECT_EQ(RecentMenuTexts(Frame()), QStringList{QStringLiteral("Recent File")});
    EXPECT_FALSE(ActionOf(ID_FILE_MRU_FILE1)->isEnabled());

    answers = {PathIn("first.spl")};
    Choose(ID_FILE_SAVE);
    answers = {PathIn("second.spl")};
    Choose(ID_FILE_SAVE_AS);
    EXPECT_EQ(RecentMenuTexts(Frame()), (QStringList{QStringLiteral("&1 second.spl"), QStringLiteral("&2 first.spl")}));
    EXPECT_TRUE(ActionOf(ID_FILE_MRU_FILE1)->isEnabled());
    EXPECT_TRUE(ActionOf(ID_FILE_MRU_FILE1 + 1)->isEnabled());

    // The entries sit where the placeholder was: after Print Setup's separator.
    const QList<QAction*> file = Frame().FindMenuOfCommand(ID_FILE_SAVE)->actions();
    const qsizetype first = file.indexOf(ActionOf(ID_FILE_MRU_FILE1));
    EXPECT_EQ(file[first - 2], ActionOf(ID_FILE_PRINT_SETUP));
    EXPECT_EQ(file[first + 1], ActionOf(ID_FILE_MRU_FILE1 + 1));
    EXPECT_TRUE(file[first + 2]->isSeparator());
    EXPECT_EQ(file[first + 3], ActionOf(ID_APP_EXIT));

    // Already in the profile, and a new start shows the same list.
    EXPECT_EQ(SplnProfile().value(QStringLiteral("Recent File List/File1")).toString(), PathIn("second.spl"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(RecentMenuTexts(Frame()), (QStringList{QStringLiteral("&1 second.spl"), QStringLiteral("&2 first.spl")}));
}

TEST_F(ShellTest, RecentListHoldsAtMostFourAndWritesThemAtExit)
{
    ASSERT_TRUE(Start());
    for (const char* name : {"a.spl", "b.spl", "c.spl", "d.spl", "e.spl"}) {
        answers = {PathIn(QString::fromLatin1(name))};
        Choose(ID_FILE_SAVE_AS);
    }
    EXPECT_EQ(RecentMenuTexts(Frame()), (QStringList{QStringLiteral("&1 e.spl"), QStringLiteral("&2 d.spl"),
                                                     QStringLiteral("&3 c.spl"), QStringLiteral("&4 b.spl")}));
    SplnProfile().clear();
    App().ExitInstance();
    QSettings profile = SplnProfile();
    EXPECT_EQ(profile.value(QStringLiteral("Recent File List/File4")).toString(), PathIn("b.spl"));
    EXPECT_FALSE(profile.contains(QStringLiteral("Recent File List/File5")));
}

TEST_F(ShellTest, ChoosingARecentFileOpensItAndAMissingOneIsDropped)
{
    Touch(PathIn("kept.spl"));
    Touch(PathIn("gone.spl"));
    ASSERT_TRUE(Start({PathIn("kept.spl")}));
    answers = {PathIn("gone.spl")};
    Choose(ID_FILE_SAVE_AS);
    answers = {PathIn("new.spl")};
    Choose(ID_FILE_SAVE_AS);
    ASSERT_EQ(RecentMenuTexts(Frame()).size(), 3);

    Choose(ID_FILE_MRU_FILE1 + 2);  // kept.spl
    EXPECT_EQ(Doc().GetPathName(), PathIn("kept.spl"));
    EXPECT_EQ(ShownTitle(Frame()), QStringLiteral("kept.spl - Spln"));
    EXPECT_EQ(RecentMenuTexts(Frame()).front(), QStringLiteral("&1 kept.spl"));

    ASSERT_TRUE(QFile::remove(PathIn("gone.spl")));
    Choose(ID_FILE_MRU_FILE1 + 2);  // gone.spl
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_TRUE(messages.texts[0].contains(PathIn("gone.spl")));
    EXPECT_EQ(Doc().GetPathName(), PathIn("kept.spl"));
    EXPECT_EQ(RecentMenuTexts(Frame()), (QStringList{QStringLiteral("&1 kept.spl"), QStringLiteral("&2 new.spl")}));
}

// The list of an earlier version, kept under its old organisation key, is
// taken over at the first start and never read again; the old place is left
// as it was.
TEST_F(ShellTest, TheEarlierProfileIsTakenOverOnce)
{
    EarlierSplnProfile().setValue(QStringLiteral("Recent File List/File1"), PathIn("old.spl"));
    EarlierSplnProfile().sync();
    ASSERT_TRUE(Start());
    EXPECT_EQ(RecentMenuTexts(Frame()), QStringList{QStringLiteral("&1 old.spl")});
    EXPECT_EQ(SplnProfile().value(QStringLiteral("Recent File List/File1")).toString(), PathIn("old.spl"));
    EXPECT_TRUE(QFile::exists(SplnProfile().fileName()));
    EXPECT_TRUE(SplnProfile().fileName().endsWith(QStringLiteral("/Spln/Spln.conf")))
        << SplnProfile().fileName().toStdString();

    // A list emptied since stays empty.
    App().GetRecentFileList()->Remove(0);
    App().AddToRecentFileList(PathIn("new.spl"));
    App().GetRecentFileList()->Remove(0);
    App().ExitInstance();
    ASSERT_TRUE(Start());
    EXPECT_EQ(RecentMenuTexts(Frame()), QStringList{QStringLiteral("Recent File")});
    EXPECT_EQ(EarlierSplnProfile().value(QStringLiteral("Recent File List/File1")).toString(), PathIn("old.spl"));
}
