// The document: the settings of Spline > Run, saved in and opened from experiment files.

#include "app/CSplnDoc.h"

#include "app/CSettingsDlg.h"
#include "app/Engines.h"
#include "app/ResultCommands.h"
#include "engine/BoundedText.h"
#include "engine/DataFile.h"
#include "engine/RunFailure.h"
#include "model/ExperimentFile.h"
#include "model/SettingsRecord.h"
#include "model/SplnSettings.h"
#include "platform/CArchive.h"
#include "platform/MessageBox.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QUndoCommand>

#include <memory>

// One change of the accepted settings: the settings, the data file and the
// view's permission to draw before and after. The changes of one field typed
// in a row are one step.
class CSplnDoc::SettingsStep : public QUndoCommand {
public:
    SettingsStep(CSplnDoc& doc, const CSplnSettings& before, bool validBefore, const CSplnSettings& after,
                 const DataChoice& data, const QString& text, int field)
        : QUndoCommand(text),
          m_doc(doc),
          m_before(before),
          m_after(after),
          m_dataBefore(doc.ChosenData()),
          m_dataAfter(data),
          m_bValidBefore(validBefore),
          m_nField(field),
          m_nMoves(doc.m_nUndoMoves)
    {}

    void redo() override
    {
        // The first redo is the push itself; any later one is a move of the user's.
        if (m_bDone)
            ++m_doc.m_nUndoMoves;
        m_bDone = true;
        m_doc.ChooseData(m_dataAfter);
        m_doc.ApplySettings(m_after, true);
    }
    void undo() override
    {
        ++m_doc.m_nUndoMoves;
        m_doc.ChooseData(m_dataBefore);
        m_doc.ApplySettings(m_before, m_bValidBefore);
    }

    int id() const override { return m_nField < 0 ? -1 : kFieldStepId; }

    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const SettingsStep*>(other);
        if (next->m_nField != m_nField || m_nMoves != m_doc.m_nUndoMoves)
            return false;
        m_after = next->m_after;
        setObsolete(m_bValidBefore && spln::SameSettings(m_before, m_after));
        return true;
    }

private:
    static constexpr int kFieldStepId = 1;

    CSplnDoc& m_doc;
    CSplnSettings m_before;
    CSplnSettings m_after;
    DataChoice m_dataBefore;
    DataChoice m_dataAfter;
    bool m_bValidBefore;
    int m_nField;  // the one field changed, or -1
    int m_nMoves;  // the document's undos and redos when the step was made
    bool m_bDone = false;
};

CSplnDoc::CSplnDoc() : m_savedText(FileText()) {}

std::string CSplnDoc::FileText(const QString& where) const
{
    const QString& file = where.isEmpty() ? GetPathName() : where;
    const std::string data = m_strDataPath.empty()
                                 ? std::string()
                                 : spln::DataPathForFile(QFile::encodeName(file).toStdString(), m_strDataPath);
    return spln::FormatExperiment(AcceptedSettings(), spln::KeptForFile(m_arrKept), data);
}

int CSplnDoc::ReadDataFile(const CSplnSettings& settings, const std::string& file, std::string* failure)
{
    auto engine = std::make_unique<CSplineEngine>();  // the table is far larger than a stack should carry
    StoreSettingsInEngine(settings, *engine);
    spln::CopyBoundedText(engine->m_szDataPath, spln::kPathSize, file.c_str());
    if (spln::LoadDataFile(*engine))
        return engine->m_dataTable.samples;
    if (failure)
        *failure = spln::DescribeRunFailure(*engine);
    return 0;
}

bool CSplnDoc::OpenDataFile(const QString& path)
{
    const std::string file = QFile::encodeName(path).toStdString();
    std::string failure;
    const int samples = ReadDataFile(AcceptedSettings(), file, &failure);
    if (samples == 0) {
        AfxMessageBox(QString::fromStdString(failure), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    CSplnSettings settings = AcceptedSettings();
    settings.m_nSource = spln::kSourceFile;
    // A window too wide for the file's samples goes back to 1, as the dialog's check does.
    if (!spln::WindowCheckPasses(settings.m_nSource, settings.m_nWindow, settings.m_nFileLength, samples))
        settings.m_nWindow = spln::kDefaultWindow;
    m_bValid = 1;
    ChangeSettings(settings, QStringLiteral("Open Data %1").arg(QFileInfo(path).fileName()), -1,
                   DataChoice{file, samples});
    UpdateAllViews(nullptr);
    NotifySettingsChanged();
    return true;
}

void CSplnDoc::ChangeSettings(const CSplnSettings& settings, const QString& text, int mergeField)
{
    ChangeSettings(settings, text, mergeField, ChosenData());
}

void CSplnDoc::ChangeSettings(const CSplnSettings& settings, const QString& text, int mergeField,
                              const DataChoice& data)
{
    const CSplnSettings before = AcceptedSettings();
    if (m_bValid != 0 && spln::SameSettings(before, settings) && data.path == m_strDataPath) {
        // Nothing to undo, but the picture is drawn afresh as after any Run.
        ChooseData(data);
        ApplySettings(settings, true);
        return;
    }
    m_undoStack.push(new SettingsStep(*this, before, m_bValid != 0, settings, data, text, mergeField));
}

CSplnDoc::DataChoice CSplnDoc::ChosenData() const
{
    return {m_strDataPath, m_nDataSamples};
}

void CSplnDoc::ChooseData(const DataChoice& data)
{
    m_strDataPath = data.path;
    m_nDataSamples = data.samples;
}

void CSplnDoc::SetSettingsChangedHandler(const void* owner, std::function<void()> handler)
{
    std::erase_if(m_onSettingsChanged, [owner](const auto& entry) { return entry.first == owner; });
    if (handler)
        m_onSettingsChanged.emplace_back(owner, std::move(handler));
}

void CSplnDoc::NotifySettingsChanged()
{
    // The kept approximations are saved too, so a change of them is marked as
    // one of the settings is.
    SetModifiedFlag(FileText() != m_savedText);
    for (const auto& entry : m_onSettingsChanged)
        entry.second();
}

void CSplnDoc::ApplySettings(const CSplnSettings& settings, bool valid)
{
    static_cast<CSplnSettings&>(*this) = settings;
    if (valid) {
        m_bValid = 1;
        PrepareRun();
    } else {
        StoreSettingsInEngine(settings, DocEngine());
        m_bValid = 0;
        DeleteContents();
    }
    UpdateAllViews(nullptr);
    NotifySettingsChanged();
}

CSplnSettings CSplnDoc::AcceptedSettings() const
{
    CSplnSettings settings;
    LoadSettingsFromEngine(DocEngine(), settings);
    return settings;
}

bool CSplnDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return false;
    StoreSettingsInEngine(spln::DefaultSettings(), DocEngine());
    m_bValid = 0;
    m_savedText = FileText();
    m_undoStack.clear();
    m_arrKept.clear();
    m_strDataPath.clear();
    m_nDataSamples = 0;
    SetModifiedFlag(false);
    NotifySettingsChanged();
    return true;
}

bool CSplnDoc::OnOpenDocument(const QString& path)
{
    const spln::ExperimentRead read =
        spln::ReadExperimentFile(QFile::encodeName(path).toStdString(), spln::DefaultSettings());
    if (read.status == spln::ExperimentStatus::Fault) {
        AfxMessageBox(QString::fromStdString(spln::DescribeExperimentFault(path.toStdString(), read)),
                      MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    const std::string experiment = QFile::encodeName(path).toStdString();
    DataChoice data;
    if (!read.dataPath.empty()) {
        data.path = spln::DataPathFromFile(experiment, read.dataPath);
        // Its samples for the window checks; a file that cannot be read now
        // is reported when the run reads it. The file's own resampling counts,
        // not the settings of the document it replaces.
        data.samples = ReadDataFile(read.settings, data.path, nullptr);
    }
    // The kept approximations are the file's, run again before the settings
    // are drawn so that the picture shows them at once.
    m_arrKept = spln::RunKept(read.kept, data.path.c_str());
    if (read.status == spln::ExperimentStatus::Empty) {
        ChooseData(data);
        DeleteContents();
    } else {  // the file's settings passed the window check
        ChangeSettings(read.settings, QStringLiteral("Open %1").arg(QFileInfo(path).fileName()), -1, data);
    }
    UpdateAllViews(nullptr);
    NotifySettingsChanged();
    SetPathName(path);
    m_savedText = FileText();
    m_undoStack.setClean();
    SetModifiedFlag(false);
    return true;
}

bool CSplnDoc::OnSaveDocument(const QString& path)
{
    m_strSavingPath = path;
    const bool saved = CDocument::OnSaveDocument(path);
    m_strSavingPath.clear();
    if (!saved)
        return false;
    m_savedText = FileText(path);
    m_undoStack.setClean();
    return true;
}

void CSplnDoc::DeleteContents()
{
    ResizeArrays(0);
    CDocument::DeleteContents();
}

void CSplnDoc::Serialize(CArchive& ar)
{
    if (!ar.IsStoring())
        return;
    // The data file's path is written as seen from the file being saved.
    const std::string text = FileText(m_strSavingPath);
    ar.GetFile()->write(text.data(), static_cast<qint64>(text.size()));
}

void CSplnDoc::PrepareRun()
{
    DeleteContents();
    SetUpForAcceptedRun();
    StoreSettingsInEngine(*this, DocEngine());
}

void CSplnDoc::OnSplineRun()
{
    const int validBefore = m_bValid;
    CSettingsDlg dialog(this, DocEngine());
    if (dialog.DoModal() == IDOK) {
        // The dialog has written the document's members and allowed the view
        // to draw; the step records where they stood before it.
        const CSplnSettings accepted = *this;
        m_bValid = validBefore;
        ChangeSettings(accepted, QStringLiteral("Run"));
    } else {
        UpdateAllViews(nullptr);
    }
}
