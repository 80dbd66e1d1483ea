#include "app/shell/glossatiles_app.h"

#include "app/base/command_ids.h"
#include "app/home/home_control.h"
#include "app/learning/review_memory.h"
#include "app/learning/todays_review.h"
#include "app/shell/command_icons.h"
#include "app/shell/main_frame.h"
#include "app/shell/old_settings.h"
#include "glossatiles_project.h"

#include <QAction>
#include <QApplication>
#include <QTimer>

CGlossatilesApp::CGlossatilesApp() {
    NameApplication();
    MoveOldSettings();
    QApplication::setWindowIcon(ApplicationIcon());
}

CGlossatilesApp::~CGlossatilesApp() = default;

void CGlossatilesApp::NameApplication() {
    QCoreApplication::setOrganizationName(QStringLiteral("glossatiles"));
    QCoreApplication::setApplicationName(QStringLiteral("glossatiles"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(GlossatilesVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(GlossatilesAppId));
}

void CGlossatilesApp::InitInstance(const QString& file, bool review) {
    mainFrame_ = std::make_unique<CMainFrame>();
    mainFrame_->SizeToScreen();
    mainFrame_->show();
    // Once the window is up, so that messages about the file appear over it; the note on
    // pairs due for review comes last, so that the file's own notes do not hide it.
    QTimer::singleShot(0, mainFrame_.get(), [this, file, review] {
        if (file.isEmpty()) {
            mainFrame_->Home().ShowHome();
        } else {
            mainFrame_->OpenDocumentFile(file);
        }
        if (review) {
            mainFrame_->Action(CommandId::TodaysReview)->trigger();
        }
        mainFrame_->Review().NoteDuePairs();
        mainFrame_->Memory().FitIfDue();
    });
}
