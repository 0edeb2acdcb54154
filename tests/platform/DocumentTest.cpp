// The document base: file operations around Serialize, the title, and the
// views it updates.

#include "platform/CArchive.h"
#include "platform/CDocument.h"
#include "platform/CView.h"
#include "tests/platform/UiTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class RecordingDoc : public CDocument {
public:
    void DeleteContents() override { ++m_nDeletes; }
    void Serialize(CArchive& ar) override
    {
        ar.IsStoring() ? ++m_nStores : ++m_nLoads;
        if (ar.IsStoring() && !m_payload.isEmpty())
            ar.GetFile()->write(m_payload);
    }
    int m_nDeletes = 0;
    int m_nStores = 0;
    int m_nLoads = 0;
    QByteArray m_payload;
};

class CountingView : public CView {
public:
    void OnDraw(CDC*) override {}
    void OnUpdate(CView*, long hint, void*) override
    {
        ++m_nUpdates;
        m_nLastHint = hint;
    }
    int m_nUpdates = 0;
    long m_nLastHint = -1;
};

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content);
    return path;
}

}  // namespace

TEST(Document, NewDocumentIsUntitledAndEmptied)
{
    RecordingDoc doc;
    doc.SetPathName(QDir::temp().filePath("old.spl"));
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.m_nDeletes, 1);
    EXPECT_TRUE(doc.GetPathName().isEmpty());
    EXPECT_EQ(doc.GetTitle(), "Untitled");
    EXPECT_FALSE(doc.IsModified());
}

TEST(Document, OpeningEmptiesThenLoadsAndTakesThePath)
{
    QTemporaryDir dir;
    const QString path = WriteFile(dir, "run one.spl", {});
    RecordingDoc doc;
    QString announced;
    doc.SetTitleChangedHandler([&](const QString& title) { announced = title; });

    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.m_nDeletes, 1);
    EXPECT_EQ(doc.m_nLoads, 1);
    EXPECT_EQ(doc.GetPathName(), QFileInfo(path).absoluteFilePath());
    EXPECT_EQ(doc.GetTitle(), "run one.spl");
    EXPECT_EQ(announced, "run one.spl");
}

TEST(Document, FilesThatCannotBeOpenedOrCreatedAreReportedByName)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.spl");
    const QString unwritable = dir.filePath("no such folder/doc.spl");
    RecordingDoc doc;
    CapturedMessages messages;

    EXPECT_FALSE(doc.OnOpenDocument(missing));
    EXPECT_EQ(doc.m_nDeletes, 0) << "a failed open leaves the document as it was";
    EXPECT_EQ(doc.m_nLoads, 0);
    EXPECT_EQ(doc.GetTitle(), "Untitled");

    EXPECT_FALSE(doc.OnSaveDocument(unwritable));
    EXPECT_FALSE(doc.OnOpenDocument(dir.path())) << "a folder is not a document";
    EXPECT_EQ(doc.m_nLoads, 0);
    ASSERT_EQ(messages.texts.size(), 3u);
    EXPECT_TRUE(messages.texts[0].contains(missing)) << messages.texts[0].toStdString();
    EXPECT_TRUE(messages.texts[1].contains(unwritable)) << messages.texts[1].toStdString();
}

TEST(Document, SavingTruncatesAndStores)
{
    QTemporaryDir dir;
    const QString path = WriteFile(dir, "doc.spl", "old contents");
    RecordingDoc doc;
    ASSERT_TRUE(doc.OnSaveDocument(path));
    EXPECT_EQ(doc.m_nStores, 1);
    EXPECT_EQ(QFileInfo(path).size(), 0);

    doc.m_payload = "abc";
    ASSERT_TRUE(doc.OnSaveDocument(path));
    EXPECT_EQ(QFileInfo(path).size(), 3);
}

TEST(Document, UpdateAllViewsSkipsTheSender)
{
    RecordingDoc doc;
    CountingView first, second;
    doc.AddView(&first);
    doc.AddView(&second);
    EXPECT_EQ(first.GetDocument(), &doc);

    doc.UpdateAllViews(nullptr);
    EXPECT_EQ(first.m_nUpdates, 1);
    EXPECT_EQ(second.m_nUpdates, 1);

    doc.UpdateAllViews(&first, 7);
    EXPECT_EQ(first.m_nUpdates, 1);
    EXPECT_EQ(second.m_nUpdates, 2);
    EXPECT_EQ(second.m_nLastHint, 7);
}

TEST(Document, ViewsAndDocumentsForgetEachOtherWhenDestroyed)
{
    RecordingDoc doc;
    {
        CountingView view;
        doc.AddView(&view);
        ASSERT_EQ(doc.GetViews().size(), 1u);
    }
    EXPECT_TRUE(doc.GetViews().empty());

    CountingView view;
    {
        RecordingDoc shortLived;
        shortLived.AddView(&view);
    }
    EXPECT_EQ(view.GetDocument(), nullptr);
}
