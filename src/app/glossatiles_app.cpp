#include "app/glossatiles_app.h"

#include "app/command_icons.h"
#include "app/main_frame.h"
#include "app/old_settings.h"
#include "glossatiles_project.h"

#include <QApplication>

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

void CGlossatilesApp::InitInstance(const QString& file) {
    mainFrame_ = std::make_unique<CMainFrame>();
    if (!file.isEmpty()) {
        mainFrame_->OpenDocumentFile(file);
    }
    mainFrame_->show();
}
