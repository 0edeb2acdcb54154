#pragma once

// The recent-file list: at most a fixed number of absolute paths, most recent
// first, kept in the user's settings under one section ("File1", "File2", ...).

#include <QString>
#include <QStringList>

class QSettings;

class CRecentFileList {
public:
    CRecentFileList(int maxSize, QString section, QString entryPrefix);

    // Puts path (made absolute) at the top; an entry for the same file moves
    // up instead of appearing twice, and the oldest entry falls off the end.
    void Add(const QString& path);
    void Remove(int index);

    int GetSize() const { return static_cast<int>(m_arrNames.size()); }
    int GetMaxSize() const { return m_nMaxSize; }
    bool IsEmpty() const { return m_arrNames.isEmpty(); }
    const QString& operator[](int index) const { return m_arrNames[index]; }

    // The entry as a menu shows it: the bare file name for a file in
    // currentDir, otherwise the full path, shortened in its middle to at most
    // maxLength characters when it is longer.
    QString GetDisplayName(int index, const QString& currentDir, int maxLength = 30) const;

    // "&1 name": the entry's menu text, numbered from 1 with its mnemonic;
    // '&' in the name is doubled so that it shows as itself.
    QString MenuText(int index, const QString& currentDir) const;

    // Replaces the list by the entries in settings (missing and empty ones
    // skipped, duplicates dropped, at most the maximum).
    void ReadList(QSettings& settings);
    // Writes the entries and removes slots the list no longer uses.
    void WriteList(QSettings& settings) const;

private:
    int m_nMaxSize;
    QString m_strSection;
    QString m_strEntryPrefix;
    QStringList m_arrNames;
};

namespace spln {

// path shortened to at most maxLength characters by replacing directories in
// its middle with "...": the first directory and as many trailing parts as
// fit stay. A file name alone longer than maxLength is returned as it is.
QString AbbreviatePath(const QString& path, int maxLength);

}  // namespace spln
