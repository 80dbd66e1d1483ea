#pragma once

#include <QStringList>

#include <memory>

class CMainFrame;

// Start-up: names the program for its settings, makes and shows the main window, then opens a
// file named on the command line once the event loop runs. Needs a QApplication.
class CGlossatilesApp {
public:
    CGlossatilesApp();
    ~CGlossatilesApp();

    // arguments as QCoreApplication::arguments gives them: the program, then an optional file.
    void InitInstance(const QStringList& arguments);
    CMainFrame* MainFrame() const { return mainFrame_.get(); }

private:
    std::unique_ptr<CMainFrame> mainFrame_;
};
