// The list of recently used files, kept in the user's settings.

#include "platform/RecentFileList.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <utility>

namespace {

QString KeyOf(const QString& section, const QString& prefix, int slot)
{
    return section + QLatin1Char('/') + prefix + QString::number(slot);
}

}  // namespace

CRecentFileList::CRecentFileList(int maxSize, QString section, QString entryPrefix)
    : m_nMaxSize(maxSize), m_strSection(std::move(section)), m_strEntryPrefix(std::move(entryPrefix))
{}

void CRecentFileList::Add(const QString& path)
{
    if (path.isEmpty() || m_nMaxSize <= 0)
        return;
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    m_arrNames.removeAll(absolute);
    m_arrNames.prepend(absolute);
    while (m_arrNames.size() > m_nMaxSize)
        m_arrNames.removeLast();
}

void CRecentFileList::Remove(int index)
{
    if (index >= 0 && index < GetSize())
        m_arrNames.removeAt(index);
}

QString CRecentFileList::GetDisplayName(int index, const QString& currentDir, int maxLength) const
{
    const QFileInfo file(m_arrNames[index]);
    if (QDir::cleanPath(file.absolutePath()) == QDir::cleanPath(QDir(currentDir).absolutePath()))
        return file.fileName();
    return spln::AbbreviatePath(m_arrNames[index], maxLength);
}

QString CRecentFileList::MenuText(int index, const QString& currentDir) const
{
    QString name = GetDisplayName(index, currentDir);
    name.replace(QLatin1Char('&'), QLatin1String("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(name);
}

void CRecentFileList::ReadList(QSettings& settings)
{
    m_arrNames.clear();
    for (int slot = 1; slot <= m_nMaxSize; ++slot) {
        const QString path = settings.value(KeyOf(m_strSection, m_strEntryPrefix, slot)).toString();
        if (!path.isEmpty() && !m_arrNames.contains(path))
            m_arrNames.append(path);
    }
}

void CRecentFileList::WriteList(QSettings& settings) const
{
    for (int slot = 1; slot <= m_nMaxSize; ++slot) {
        const QString key = KeyOf(m_strSection, m_strEntryPrefix, slot);
        if (slot <= GetSize())
            settings.setValue(key, m_arrNames[slot - 1]);
        else
            settings.remove(key);
    }
}

namespace spln {

QString AbbreviatePath(const QString& path, int maxLength)
{
    if (path.size() <= maxLength)
        return path;
    const QString ellipsis = QStringLiteral("...");
    QStringList parts = path.split(QLatin1Char('/'));
    const QString fileName = parts.takeLast();
    if (fileName.size() >= maxLength || parts.size() < 2)
        return fileName;

    // parts[0] is empty for an absolute path, so head is "/first" or "first".
    const QString head = parts[0] + QLatin1Char('/') + parts[1];
    QString tail = fileName;
    for (qsizetype i = parts.size() - 1; i >= 2; --i) {
        const QString longer = parts[i] + QLatin1Char('/') + tail;
        if (head.size() + 1 + ellipsis.size() + 1 + longer.size() > maxLength)
            break;
        tail = longer;
    }
    const QString shortened = head + QLatin1Char('/') + ellipsis + QLatin1Char('/') + tail;
    return shortened.size() <= maxLength ? shortened : fileName;
}

}  // namespace spln
