#pragma once

// The desktop document: the settings, captions and plot arrays of
// CSplnDocData behind the toolkit's document, the Spline > Run command, and
// the experiment file the settings are saved in and opened from.

#include "model/SplnDocData.h"
#include "platform/CDocument.h"

#include <QString>
#include <QUndoStack>

#include <string>

#include <functional>
#include <utility>
#include <vector>

class CSplnDoc : public CDocument, public CSplnDocData {
public:
    CSplnDoc();

    // A new document starts from the default settings with a blank view.
    bool OnNewDocument() override;
    // Reads the experiment file at path. Its settings become the document's
    // and the view draws them at once, as after an accepted Run; a file of
    // zero bytes (as earlier versions saved) only blanks the view. Opening is
    // a step of the undo stack, whose clean state it becomes. A file
    // that cannot be read is reported with its line and leaves the document
    // as it was.
    bool OnOpenDocument(const QString& path) override;
    // Writes the experiment file; afterwards the document is unchanged.
    bool OnSaveDocument(const QString& path) override;
    // Empties both point arrays (storage released); settings stay.
    void DeleteContents() override;
    // Storing writes the accepted settings as an experiment file; opening
    // goes through OnOpenDocument, which checks the whole file first.
    void Serialize(CArchive& ar) override;

    // File > Open Data: reads the data file at path with the accepted
    // settings' resampling. A refused file is reported with its line and
    // column and changes nothing; an accepted one becomes the document's data
    // file and its source, drawn at once. Returns whether it was accepted.
    bool OpenDataFile(const QString& path);

    // Spline > Run: the settings dialog; on OK its settings become one step
    // of the undo stack: the arrays are sized for the view, the caption
    // chosen, the settings stored in the document's engine, and the document
    // marked modified when they differ from the saved ones. The views are
    // asked to redraw whatever the dialog's result.
    void OnSplineRun();

    // The settings of the last accepted Run (or opened file): those the
    // dialog shows on its next opening and a save writes.
    CSplnSettings AcceptedSettings() const;

    // Makes settings the accepted ones as one step of the undo stack (named
    // text), drawn at once; settings that are the accepted ones already and
    // drawn are only drawn again, with no step. A change of one field only
    // (mergeField, a setting's id) joins the step before when that was a
    // change of the same field and nothing was undone or redone since and
    // the document was not saved at it; a change back to where that step
    // began removes it. -1: a step of its own.
    void ChangeSettings(const CSplnSettings& settings, const QString& text, int mergeField = -1);

    // The data file a step chooses with its settings: its path (empty: sig.dat
    // in the current directory) and its samples (0: not known).
    struct DataChoice {
        std::string path;
        int samples = 0;
    };

    // The steps of the dialog, the panel and opened files; its clean state is
    // the state last saved, opened or started new.
    QUndoStack& UndoStack() { return m_undoStack; }

    // Called whenever the accepted settings or the kept approximations
    // change: the panels showing them reload. One handler an owner; an empty
    // handler removes the owner's.
    void SetSettingsChangedHandler(const void* owner, std::function<void()> handler);
    void NotifySettingsChanged();

private:
    class SettingsStep;

    // The same, with the data file chosen along with them: a new data file
    // alone is a step too.
    void ChangeSettings(const CSplnSettings& settings, const QString& text, int mergeField, const DataChoice& data);
    DataChoice ChosenData() const;
    void ChooseData(const DataChoice& data);
    // Reads the data file with the resampling of settings: its samples, or 0
    // with the reason in failure (when given).
    static int ReadDataFile(const CSplnSettings& settings, const std::string& file, std::string* failure);

    // Makes settings the accepted ones (valid: the view may draw them) and
    // redraws; the caption's mark follows.
    void ApplySettings(const CSplnSettings& settings, bool valid);

    // The steps of an accepted Run after the dialog: arrays, caption,
    // function index, and the settings into the document's engine.
    void PrepareRun();

    // What a save writes: the accepted settings and the kept approximations.
    // A data file is named relative to where (default: the document's path) when it lies beside it.
    std::string FileText(const QString& where = QString()) const;

    std::string m_savedText;  // the file's text as last saved, opened or started new
    QString m_strSavingPath;  // the file a save is writing, while it writes
    QUndoStack m_undoStack;
    int m_nUndoMoves = 0;  // undos and redos so far: a step merges only with one made since the last
    std::vector<std::pair<const void*, std::function<void()>>> m_onSettingsChanged;
};
