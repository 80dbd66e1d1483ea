#include "app/glossatiles_app.h"

#include "app/command_icons.h"
#include "app/main_frame.h"

#include <QApplication>
#include <QFileInfo>

CGlossatilesApp::CGlossatilesApp() {
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QStringLiteral("Glossatiles"));
    QApplication::setWindowIcon(ApplicationIcon());
}

CGlossatilesApp::~CGlossatilesApp() = default;

void CGlossatilesApp::InitInstance(const QStringList& arguments) {
    mainFrame_ = std::make_unique<CMainFrame>();
    if (arguments.size() > 1) {
        // Kept whole, as the game writes it into saved games and the recent-file list.
        mainFrame_->OpenDocumentFile(QFileInfo(arguments[1]).absoluteFilePath());
    }
    mainFrame_->show();
}
