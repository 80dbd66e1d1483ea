#include "app/shell/glossatiles_app.h"
#include "app/shell/ui_translations.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <gtest/gtest.h>

// Real widgets on the offscreen platform, with settings kept in a folder of this run's own.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const TempDir settings;
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(settings.path().string()));
    // Won games are recorded; never in the user's own progress.
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(settings.path().string()));
    // No test reaches the machine's own speech-dispatcher, nor starts one.
    qputenv("SPEECHD_ADDRESS",
            QByteArray::fromStdString("unix_socket:" + (settings.path() / "none.sock").string()));
    qputenv("SPEECHD_CMD", "/bin/false");
    QApplication application(argc, argv);
    CGlossatilesApp::NameApplication();
    // As an English-speaking player sees the window.
    const UiTranslations english({"en"});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
