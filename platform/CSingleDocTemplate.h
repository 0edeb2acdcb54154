#pragma once

// Ties the one document, the frame and the view of a single-document
// application together. The first open creates all three; every later open
// (a recent file, say) reuses them.

#include <QString>

#include <functional>
#include <memory>

class CDocument;
class CFrameWnd;
class CView;

class CSingleDocTemplate {
public:
    using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;
    // Creates and loads the frame (menus, bars); null when that fails.
    using FrameFactory = std::function<std::unique_ptr<CFrameWnd>()>;
    using ViewFactory = std::function<CView*()>;

    CSingleDocTemplate(unsigned resourceId, DocumentFactory makeDocument, FrameFactory makeFrame, ViewFactory makeView);
    ~CSingleDocTemplate();

    // A new document when path is empty, otherwise the file at path. Returns
    // the document, or null when the frame could not be created or the file
    // could not be opened; either is reported in a message box. The document
    // then stays as it was; on the first open nothing is left behind.
    CDocument* OpenDocumentFile(const QString& path);

    unsigned GetResourceId() const { return m_nResourceId; }
    CDocument* GetDocument() const { return m_pDocument.get(); }
    CFrameWnd* GetFrame() const { return m_pFrame.get(); }

    // Destroys the frame (with its view), then the document.
    void CloseAll();

private:
    bool CreateDocumentFrameAndView();

    unsigned m_nResourceId;
    DocumentFactory m_makeDocument;
    FrameFactory m_makeFrame;
    ViewFactory m_makeView;
    std::unique_ptr<CDocument> m_pDocument;
    std::unique_ptr<CFrameWnd> m_pFrame;
};
