#pragma once

#include <QString>

#include <memory>

class CMainFrame;

// Start-up: names the program for its settings, makes and shows the main window, then opens a
// file named on the command line once the event loop runs. Needs a QApplication.
class CGlossatilesApp {
public:
    CGlossatilesApp();
    ~CGlossatilesApp();

    // The names QSettings and the desktop go by; settings land in
    // ~/.config/glossatiles/glossatiles.conf.
    static void NameApplication();

    // file: absolute path of a file to open, or empty; review: start on Today's Review.
    void InitInstance(const QString& file, bool review = false);
    CMainFrame* MainFrame() const { return mainFrame_.get(); }

private:
    std::unique_ptr<CMainFrame> mainFrame_;
};
