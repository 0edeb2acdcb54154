#pragma once

// A study running off the user-interface thread: a worker thread runs it
// while a progress dialog, polled by a timer, shows the runs done and offers
// Cancel. The main window stays live. When the study ends, finished or
// cancelled, the result goes to the handler given at the start.

#include "study/StudyRunner.h"

#include <QObject>
#include <QPointer>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

class QProgressDialog;
class QTimer;
class QWidget;

class StudyJob : public QObject {
    Q_OBJECT

public:
    using FinishedHandler = std::function<void(const spln::study::StudyResult&)>;

    // The progress dialog belongs to parent; the job itself to its creator.
    StudyJob(const spln::study::StudyPlan& plan, const CSplnSettings& base, QWidget* parent,
             FinishedHandler onFinished);
    // Cancels a study still running and waits for the runs under way.
    ~StudyJob() override;

    bool Running() const { return m_worker.joinable(); }
    void Cancel();
    // Brings the progress dialog to the front.
    void ShowProgress();

    // How often the progress is looked at, in milliseconds.
    static constexpr int kPollInterval = 40;

private:
    void Poll();

    spln::study::StudyProgress m_progress;
    spln::study::StudyResult m_result;
    std::atomic<bool> m_done{false};
    std::thread m_worker;
    int m_planned = 0;
    QPointer<QProgressDialog> m_dialog;  // a child of the parent window, which may go first
    QTimer* m_timer = nullptr;
    FinishedHandler m_onFinished;
};
