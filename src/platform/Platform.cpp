// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace platform {
namespace {

std::unique_ptr<QPrinter> defaultPrinter(QWidget* parent, const QString& suggestedPdfName) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    // No printer on the system: the page goes to a PDF file the user names.
    QString path = Services().saveFileName(parent, QStringLiteral("Save printout as PDF"),
                                           QDir(PdfFolder()).filePath(suggestedPdfName),
                                           QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty()) return nullptr;
    // A name typed without the extension still gives a file that opens as PDF.
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return printer;
}

ServiceTable qtServices() {
    ServiceTable s;
    s.now = [] { return QDateTime::currentDateTime(); };
    s.message = [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
        // Centred on the window it speaks for (a frameless window gives the window manager
        // nothing to centre it on).
        if (parent) {
            box.adjustSize();
            const QRect over = parent->window()->frameGeometry();
            box.move(over.center() - QPoint(box.width() / 2, box.height() / 2));
        }
        box.exec();
    };
    s.beep = [] { QApplication::beep(); };
    s.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    s.saveFileName = [](QWidget* parent, const QString& caption, const QString& suggested,
                        const QString& filter) {
        return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
    };
    s.printer = defaultPrinter;
    return s;
}

} // namespace

QString PdfFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

ServiceTable& Services() {
    static ServiceTable table = qtServices();
    return table;
}

void ResetServices() {
    Services() = qtServices();
}

} // namespace platform
