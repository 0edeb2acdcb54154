// Runs a study on a worker thread behind a progress dialog with Cancel.

#include "app/StudyJob.h"

#include <QProgressDialog>
#include <QTimer>

StudyJob::StudyJob(const spln::study::StudyPlan& plan, const CSplnSettings& base, QWidget* parent,
                   FinishedHandler onFinished)
    : m_planned(spln::study::PlannedRuns(plan)), m_onFinished(std::move(onFinished))
{
    m_dialog = new QProgressDialog(parent);
    m_dialog->setWindowTitle(QStringLiteral("Study"));
    m_dialog->setLabelText(QStringLiteral("Running the study: 0 of %1 runs").arg(m_planned));
    m_dialog->setCancelButtonText(QStringLiteral("Cancel"));
    m_dialog->setRange(0, m_planned);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setMinimumDuration(0);
    // The main window stays usable while the study runs.
    m_dialog->setWindowModality(Qt::NonModal);
    connect(m_dialog, &QProgressDialog::canceled, this, &StudyJob::Cancel);
    m_dialog->show();

    m_worker = std::thread([this, plan, base] {
        m_result = spln::study::RunStudy(plan, base, &m_progress);
        m_done.store(true);
    });
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &StudyJob::Poll);
    m_timer->start(kPollInterval);
}

StudyJob::~StudyJob()
{
    m_progress.cancel.store(true);
    if (m_worker.joinable())
        m_worker.join();
    delete m_dialog;
}

void StudyJob::Cancel()
{
    m_progress.cancel.store(true);
    if (m_dialog)
        m_dialog->setLabelText(QStringLiteral("Cancelling after the runs under way..."));
}

void StudyJob::ShowProgress()
{
    if (!m_dialog)
        return;
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void StudyJob::Poll()
{
    const int done = m_progress.done.load();
    if (m_dialog) {
        m_dialog->setValue(done);
        if (!m_progress.cancel.load())
            m_dialog->setLabelText(QStringLiteral("Running the study: %1 of %2 runs").arg(done).arg(m_planned));
    }
    if (!m_done.load())
        return;
    m_timer->stop();
    m_worker.join();
    if (m_dialog)
        m_dialog->hide();
    if (m_onFinished)
        m_onFinished(m_result);
}
