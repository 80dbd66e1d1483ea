#include "app/glossatiles_app.h"

#include "app/command_icons.h"
#include "app/main_frame.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

CGlossatilesApp::CGlossatilesApp() {
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QStringLiteral("Glossatiles"));
    QApplication::setWindowIcon(ApplicationIcon());
}

CGlossatilesApp::~CGlossatilesApp() = default;

void CGlossatilesApp::InitInstance(const QStringList& arguments) {
    mainFrame_ = std::make_unique<CMainFrame>();
    mainFrame_->show();
    if (arguments.size() > 1) {
        // Kept whole, as the game writes it into saved games and the recent-file list.
        const QString path = QFileInfo(arguments[1]).absoluteFilePath();
        // Once the window is up, so that messages about the file appear over it.
        QTimer::singleShot(0, mainFrame_.get(),
                           [this, path] { mainFrame_->OpenDocumentFile(path); });
    }
}
