// The document of the document/view layer: title, path, modified flag, views.

#include "platform/CDocument.h"

#include "io/AtomicFile.h"
#include "platform/CArchive.h"
#include "platform/CView.h"
#include "platform/MessageBox.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

CDocument::CDocument() : m_strTitle(QStringLiteral("Untitled")) {}

CDocument::~CDocument()
{
    for (CView* view : m_arrViews)
        view->m_pDocument = nullptr;
}

bool CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.clear();
    SetTitle(QStringLiteral("Untitled"));
    return true;
}

bool CDocument::OnOpenDocument(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        AfxMessageBox(QStringLiteral("Cannot open the file \"%1\": %2.").arg(path, file.errorString()));
        return false;
    }
    DeleteContents();
    CArchive ar(&file, CArchive::load);
    Serialize(ar);
    SetPathName(path);
    return true;
}

bool CDocument::OnSaveDocument(const QString& path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    Serialize(ar);
    // Only a file that was there before can be left as it was.
    const bool existed = QFileInfo::exists(path);
    std::string reason;
    if (!spln::WriteFileAtomically(QFile::encodeName(path).toStdString(),
                                   std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                   &reason)) {
        QString message = QStringLiteral("Cannot save the file \"%1\": %2.").arg(path, QString::fromStdString(reason));
        if (existed)
            message += QStringLiteral(" The file on the disk was left as it was.");
        AfxMessageBox(message);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

void CDocument::DeleteContents() {}

void CDocument::Serialize(CArchive& /*ar*/) {}

void CDocument::UpdateAllViews(CView* sender, long hint, void* pHint)
{
    for (CView* view : m_arrViews) {
        if (view != sender)
            view->OnUpdate(sender, hint, pHint);
    }
}

void CDocument::AddView(CView* view)
{
    if (view->m_pDocument == this)
        return;
    if (view->m_pDocument)
        view->m_pDocument->RemoveView(view);
    m_arrViews.push_back(view);
    view->m_pDocument = this;
}

void CDocument::RemoveView(CView* view)
{
    auto it = std::find(m_arrViews.begin(), m_arrViews.end(), view);
    if (it == m_arrViews.end())
        return;
    m_arrViews.erase(it);
    view->m_pDocument = nullptr;
}

void CDocument::SetTitle(const QString& title)
{
    if (title == m_strTitle)
        return;
    m_strTitle = title;
    if (m_onTitleChanged)
        m_onTitleChanged(m_strTitle);
}

void CDocument::SetPathName(const QString& path)
{
    m_strPathName = QFileInfo(path).absoluteFilePath();
    SetTitle(QFileInfo(path).fileName());
}

void CDocument::SetModifiedFlag(bool modified)
{
    if (modified == m_bModified)
        return;
    m_bModified = modified;
    if (m_onModifiedChanged)
        m_onModifiedChanged(m_bModified);
}

void CDocument::SetModifiedChangedHandler(std::function<void(bool)> handler)
{
    m_onModifiedChanged = std::move(handler);
}

void CDocument::SetTitleChangedHandler(std::function<void(const QString&)> handler)
{
    m_onTitleChanged = std::move(handler);
}
