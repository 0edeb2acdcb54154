// The single-document template: makes, opens and closes the one document.

#include "platform/CSingleDocTemplate.h"

#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"
#include "platform/CView.h"
#include "platform/MessageBox.h"

#include <utility>

CSingleDocTemplate::CSingleDocTemplate(unsigned resourceId, DocumentFactory makeDocument, FrameFactory makeFrame,
                                       ViewFactory makeView)
    : m_nResourceId(resourceId),
      m_makeDocument(std::move(makeDocument)),
      m_makeFrame(std::move(makeFrame)),
      m_makeView(std::move(makeView))
{}

CSingleDocTemplate::~CSingleDocTemplate()
{
    CloseAll();
}

void CSingleDocTemplate::CloseAll()
{
    m_pFrame.reset();
    m_pDocument.reset();
}

bool CSingleDocTemplate::CreateDocumentFrameAndView()
{
    m_pDocument = m_makeDocument();
    m_pFrame = m_pDocument ? m_makeFrame() : nullptr;
    CView* view = m_pFrame ? m_makeView() : nullptr;
    if (!view) {
        CloseAll();
        AfxMessageBox(
            QStringLiteral("Cannot create the main window: its menu, toolbar or status bar "
                           "could not be built."));
        return false;
    }
    m_pFrame->SetActiveView(view);
    m_pDocument->AddView(view);
    CFrameWnd* frame = m_pFrame.get();
    m_pDocument->SetTitleChangedHandler([frame](const QString& title) { frame->OnUpdateFrameTitle(title); });
    m_pDocument->SetModifiedChangedHandler([frame](bool modified) { frame->setWindowModified(modified); });
    return true;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const QString& path)
{
    const bool created = !m_pDocument;
    if (created && !CreateDocumentFrameAndView())
        return nullptr;

    const bool opened = path.isEmpty() ? m_pDocument->OnNewDocument() : m_pDocument->OnOpenDocument(path);
    if (!opened) {
        if (created)
            CloseAll();
        return nullptr;
    }
    m_pFrame->OnUpdateFrameTitle(m_pDocument->GetTitle());
    // The views show the reused document afresh.
    m_pDocument->UpdateAllViews(nullptr);
    return m_pDocument.get();
}
