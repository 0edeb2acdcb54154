#pragma once

// The stream a document serializes itself through: an open file and the
// direction of the transfer.

class QIODevice;

class CArchive {
public:
    enum Mode { load = 1, store = 0 };

    CArchive(QIODevice* file, Mode mode) : m_pFile(file), m_nMode(mode) {}

    bool IsLoading() const { return m_nMode == load; }
    bool IsStoring() const { return m_nMode == store; }
    QIODevice* GetFile() const { return m_pFile; }

private:
    QIODevice* m_pFile;
    Mode m_nMode;
};
