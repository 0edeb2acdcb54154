#pragma once

// A document of a single-document application: its views, its file name and
// title, and the file operations (New, Open, Save) around Serialize.

#include <QString>

#include <functional>
#include <vector>

class CArchive;
class CView;

class CDocument {
public:
    CDocument();
    virtual ~CDocument();
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    // Starts a new, unnamed document: empties the contents, clears the path
    // and sets the title "Untitled".
    virtual bool OnNewDocument();

    // Opens path for reading; when it cannot be opened, says so in a message
    // box (file name and reason) and returns false with the document
    // untouched. Otherwise empties the contents, lets Serialize load from the
    // file and takes path as the document's path (and its name as the title).
    virtual bool OnOpenDocument(const QString& path);

    // Lets Serialize store into memory, then writes the bytes to a temporary
    // file beside path and renames it over path, so that a failed save leaves
    // an earlier file as it was; a saved document is no longer modified. On failure says so in
    // a message box and returns false. The
    // path name is left to the caller (Save As sets it after a successful
    // save).
    virtual bool OnSaveDocument(const QString& path);

    // Releases the document's data; the base does nothing.
    virtual void DeleteContents();

    // Reads or writes the document; the base does nothing.
    virtual void Serialize(CArchive& ar);

    // Asks every view except sender to update itself (by default: repaint).
    void UpdateAllViews(CView* sender, long hint = 0, void* pHint = nullptr);

    void AddView(CView* view);
    void RemoveView(CView* view);
    const std::vector<CView*>& GetViews() const { return m_arrViews; }

    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& title);

    const QString& GetPathName() const { return m_strPathName; }
    // Sets the full path and the title to the path's file name.
    void SetPathName(const QString& path);

    // Whether the document holds changes not yet saved; the frame shows it
    // in its caption.
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true);

    // Called with the new title whenever it changes (the frame's caption).
    void SetTitleChangedHandler(std::function<void(const QString& title)> handler);
    // Called with the new state whenever the modified flag changes.
    void SetModifiedChangedHandler(std::function<void(bool modified)> handler);

private:
    std::vector<CView*> m_arrViews;
    QString m_strTitle;
    QString m_strPathName;
    std::function<void(const QString&)> m_onTitleChanged;
    std::function<void(bool)> m_onModifiedChanged;
    bool m_bModified = false;
};
