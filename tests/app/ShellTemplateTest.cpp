// The single-document template: one document, frame and view, created by the
// first open and reused by every later one, with nothing left behind when the
// first open fails.

#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"
#include "platform/CSingleDocTemplate.h"
#include "platform/CView.h"
#include "tests/platform/UiTestSupport.h"

#include <QFile>
#include <QPointer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CountingDocument : public CDocument {
public:
    void DeleteContents() override { ++emptied; }
    int emptied = 0;
};

class BlankView : public CView {
public:
    void OnDraw(CDC*) override {}
};

struct Counts {
    int documents = 0;
    int frames = 0;
    int views = 0;
};

CSingleDocTemplate MakeTemplate(Counts& counts, bool frameFails = false)
{
    return CSingleDocTemplate(
        128,
        [&counts] {
            ++counts.documents;
            return std::make_unique<CountingDocument>();
        },
        [&counts, frameFails]() -> std::unique_ptr<CFrameWnd> {
            ++counts.frames;
            if (frameFails)
                return nullptr;
            auto frame = std::make_unique<CFrameWnd>();
            frame->LoadFrame(FrameResources{}, QStringLiteral("App"));
            return frame;
        },
        [&counts] {
            ++counts.views;
            return new BlankView;
        });
}

class DocTemplateTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString PathIn(const QString& name) const { return folder.filePath(name); }
    void Touch(const QString& name)
    {
        QFile file(PathIn(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir folder;
    CapturedMessages messages;
    Counts counts;
};

}  // namespace

TEST_F(DocTemplateTest, FirstOpenBuildsAllThreeAndLaterOpensReuseThem)
{
    CSingleDocTemplate docTemplate = MakeTemplate(counts);
    CDocument* document = docTemplate.OpenDocumentFile(QString());
    ASSERT_NE(document, nullptr);
    CFrameWnd* frame = docTemplate.GetFrame();
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(document->GetViews().size(), 1u);
    EXPECT_EQ(frame->GetActiveView(), document->GetViews().front());
    EXPECT_EQ(ShownTitle(*frame), QStringLiteral("Untitled - App"));

    Touch(QStringLiteral("one.spl"));
    EXPECT_EQ(docTemplate.OpenDocumentFile(PathIn(QStringLiteral("one.spl"))), document);
    EXPECT_EQ(docTemplate.GetFrame(), frame);
    EXPECT_EQ(counts.documents, 1);
    EXPECT_EQ(counts.frames, 1);
    EXPECT_EQ(counts.views, 1);
    EXPECT_EQ(ShownTitle(*frame), QStringLiteral("one.spl - App"));
    EXPECT_GE(static_cast<CountingDocument*>(document)->emptied, 2);

    // A title set later reaches the caption.
    document->SetTitle(QStringLiteral("renamed"));
    EXPECT_EQ(ShownTitle(*frame), QStringLiteral("renamed - App"));
}

TEST_F(DocTemplateTest, AFailedFirstOpenLeavesNothingAndALaterOneKeepsTheDocument)
{
    CSingleDocTemplate docTemplate = MakeTemplate(counts);
    EXPECT_EQ(docTemplate.OpenDocumentFile(PathIn(QStringLiteral("missing.spl"))), nullptr);
    EXPECT_EQ(docTemplate.GetDocument(), nullptr);
    EXPECT_EQ(docTemplate.GetFrame(), nullptr);
    EXPECT_EQ(messages.texts.size(), 1u);

    Touch(QStringLiteral("there.spl"));
    CDocument* document = docTemplate.OpenDocumentFile(PathIn(QStringLiteral("there.spl")));
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(docTemplate.OpenDocumentFile(PathIn(QStringLiteral("missing.spl"))), nullptr);
    EXPECT_EQ(docTemplate.GetDocument(), document);
    EXPECT_EQ(document->GetTitle(), QStringLiteral("there.spl"));
    EXPECT_EQ(ShownTitle(*docTemplate.GetFrame()), QStringLiteral("there.spl - App"));
}

TEST_F(DocTemplateTest, AFrameThatCannotBeBuiltIsReportedAndNothingStays)
{
    CSingleDocTemplate docTemplate = MakeTemplate(counts, true);
    EXPECT_EQ(docTemplate.OpenDocumentFile(QString()), nullptr);
    EXPECT_EQ(docTemplate.GetDocument(), nullptr);
    EXPECT_EQ(counts.views, 0);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("main window")));
}

TEST_F(DocTemplateTest, ClosingDestroysTheViewBeforeTheDocument)
{
    CSingleDocTemplate docTemplate = MakeTemplate(counts);
    ASSERT_NE(docTemplate.OpenDocumentFile(QString()), nullptr);
    QPointer<CView> view = docTemplate.GetFrame()->GetActiveView();
    docTemplate.CloseAll();
    EXPECT_TRUE(view.isNull());
    EXPECT_EQ(docTemplate.GetDocument(), nullptr);
}
