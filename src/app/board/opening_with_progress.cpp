#include "app/board/opening_with_progress.h"

#include "words/cancel_flag.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProgressDialog>
#include <QThread>

#include <functional>
#include <memory>

namespace {
// Runs `work` off the window's thread and waits for it; past `delay` the wait shows a progress
// dialog whose Cancel raises `cancel`. The window takes no input meanwhile.
void RunOffThread(QWidget& window, const QString& fileName, CancelFlag& cancel,
                  std::chrono::milliseconds delay, const std::function<void()>& work) {
    const std::unique_ptr<QThread> thread(QThread::create(work));
    thread->start();
    if (thread->wait(QDeadlineTimer(delay))) {
        return;
    }
    QProgressDialog progress(
        QCoreApplication::translate("OpeningWithProgress", "Opening %1…").arg(fileName),
        QCoreApplication::translate("OpeningWithProgress", "Cancel"), 0, 0, &window);
    progress.setWindowTitle(QCoreApplication::translate("OpeningWithProgress", "Opening"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QObject::connect(&progress, &QProgressDialog::canceled, &loop, [&cancel] { cancel.Cancel(); });
    progress.show();
    if (!thread->isFinished()) {
        loop.exec();
    }
    thread->wait();
}
} // namespace

OpenResult OpenWithProgress(QWidget& window, GameState& state, GameHost& host,
                            const std::string& path, DealKind deal, ImportChooser* chooser,
                            std::chrono::milliseconds delay) {
    CancelFlag cancel;
    FileOpening opening(path, &cancel);
    const QString fileName = QFileInfo(QString::fromStdString(path)).fileName();
    RunOffThread(window, fileName, cancel, delay, [&opening] { opening.Prepare(); });
    opening.Choose(chooser);
    RunOffThread(window, fileName, cancel, delay, [&opening] { opening.Read(); });
    return opening.Finish(state, host, deal);
}
