#include "print/worksheet_pdf.h"

#include "print/worksheet_painter.h"
#include "savegame/atomic_file.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>

#include <cstdio>
#include <memory>

namespace {

// Fonts and painting need a GUI application; a command line has none, and no display either.
void EnsureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    static int argc = 1;
    static char name[] = "glossatiles-cli";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error carries the game's messages alone; Qt's notes about its surroundings
    // (no runtime folder, say) are no business of the command line's user.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", qPrintable(text));
        }
    });
    static const auto application = std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

std::optional<Message> WriteWorksheetPdf(const Worksheet& sheet, const std::string& path) {
    EnsureGuiApplication();
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(QString::fromStdString(sheet.title));
        writer.setCreator(QStringLiteral("Glossatiles"));
        writer.setResolution(300);
        // Letter where paper is measured in inches, A4 everywhere else.
        writer.setPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                               ? QPageSize(QPageSize::Letter)
                               : QPageSize(QPageSize::A4));
        writer.setPageMargins(WorksheetMargins, QPageLayout::Millimeter);
        PaintWorksheet(writer, sheet);
    }
    const QByteArray bytes = pdf.data();
    const auto produce = [&bytes] { return bytes.toStdString(); };
    if (const AtomicWrite write = WriteFileAtomically(path, produce);
        write.result != AtomicWriteResult::Written) {
        return CantWriteFile(path, write);
    }
    return std::nullopt;
}
