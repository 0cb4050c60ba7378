// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Platform.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTimer>

namespace platform {
namespace {

std::unique_ptr<QPrinter> defaultPrinter(QWidget* parent, const QString& suggestedPdfName) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    // No printer on the system: the page goes to a PDF file the user names.
    // A name typed without the extension still gives a file that opens as PDF.
    const QString path = ChooseSaveFile(
        parent, QStringLiteral("pdf"),
        QCoreApplication::translate("Platform", "Save printout as PDF"), PdfFolder(),
        suggestedPdfName, QCoreApplication::translate("Platform", "PDF files (*.pdf)"),
        QStringLiteral(".pdf"));
    if (path.isEmpty()) return nullptr;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return printer;
}

// Runs a message box centred on the window it speaks for (a frameless window gives the window
// manager nothing to centre it on). The box takes its final size only once it is shown, so it
// is centred again then.
int ExecOver(QMessageBox& box, QWidget* parent) {
    if (parent) {
        const auto centre = [&box, owner = QPointer<QWidget>(parent->window())] {
            if (!owner) return;
            const QRect over = owner->frameGeometry();
            const QSize size = box.frameGeometry().size();
            box.move(over.center() - QPoint(size.width() / 2, size.height() / 2));
        };
        box.adjustSize();
        centre();
        QTimer::singleShot(0, &box, centre);
    }
    return box.exec();
}

ServiceTable qtServices() {
    ServiceTable s;
    s.now = [] { return QDateTime::currentDateTime(); };
    s.message = [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
        ExecOver(box, parent);
    };
    s.beep = [] { QApplication::beep(); };
    s.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    s.saveFileName = [](QWidget* parent, const QString& caption, const QString& suggested,
                        const QString& filter) {
        return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
    };
    s.printer = defaultPrinter;
    s.ask = [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                        parent);
        box.setDefaultButton(QMessageBox::No);
        return ExecOver(box, parent) == QMessageBox::Yes;
    };
    s.note = [](QWidget*, const QString& text) {
        // A hint beside the pointer for a few seconds: it takes no focus, and stays when the
        // window that printed closes.
        auto* hint = new QLabel(text, nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
        hint->setAttribute(Qt::WA_ShowWithoutActivating);
        hint->setAttribute(Qt::WA_DeleteOnClose);
        hint->setStyleSheet(
            QStringLiteral("QLabel { background: #ffffe1; color: black; border: 1px solid #808080; "
                           "padding: 4px; }"));
        hint->adjustSize();
        hint->move(QCursor::pos() + QPoint(12, 16));
        hint->show();
        QTimer::singleShot(6000, hint, &QWidget::close);
    };
    s.printDialog = [](QWidget* parent, const std::function<void(QPrinter*)>& setUp,
                       const std::function<void(QPrinter*)>& paint) {
        QPrinter printer(QPrinter::HighResolution);
        setUp(&printer);
        QPrintPreviewDialog dialog(&printer, parent);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&paint](QPrinter* target) { paint(target); });
        return dialog.exec() == QDialog::Accepted;
    };
    s.copyText = [](const QString& text) { QGuiApplication::clipboard()->setText(text); };
    return s;
}

} // namespace

QString PdfFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString PicturesFolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

namespace {
// The folder each kind of file was last saved in, for this session.
QHash<QString, QString>& LastFolders() {
    static QHash<QString, QString> folders;
    return folders;
}
} // namespace

QString ChooseSaveFile(QWidget* parent, const QString& kind, const QString& caption,
                       const QString& firstFolder, const QString& suggestedName,
                       const QString& filter, const QString& extension) {
    QString folder = LastFolders().value(kind);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = firstFolder;
    QString suggested = QDir(folder).filePath(suggestedName);
    // Bounded: each round is one answer of the user's.
    for (int round = 0; round < 100; ++round) {
        QString path = Services().saveFileName(parent, caption, suggested, filter);
        if (path.isEmpty()) return {};
        const QString typed = path;
        if (!extension.isEmpty() && !path.endsWith(extension, Qt::CaseInsensitive))
            path += extension;
        const QFileInfo target(path);
        // The dialog asked about the name as typed; the name with its extension is asked here.
        if (path != typed && (target.exists() || target.isSymLink())) {
            const QString question =
                target.isDir()
                    ? QString()
                    : QCoreApplication::translate(
                          "Platform", "\"%1\" already exists.\nDo you want to replace it?")
                          .arg(QDir::toNativeSeparators(path));
            if (question.isEmpty() || !Services().ask(parent, caption, question)) {
                suggested = path;
                continue;
            }
        }
        LastFolders().insert(kind, target.absolutePath());
        return path;
    }
    return {};
}

bool OpenOrOffer(QWidget* parent, const QUrl& url) {
    if (Services().openUrl(url)) return true;
    const QString shown =
        url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString();
    const QString what = url.isLocalFile() ? QCoreApplication::translate("Platform", "the page")
                                           : QCoreApplication::translate("Platform", "the address");
    if (Services().ask(parent, QStringLiteral("Cresselle"),
                       QCoreApplication::translate("Platform",
                                                   "Nothing on this system could open %1\n\n%2\n\n"
                                                   "Copy it to the clipboard, to open it yourself?")
                           .arg(what, shown)))
        Services().copyText(shown);
    return false;
}

ServiceTable& Services() {
    static ServiceTable table = qtServices();
    return table;
}

void ResetServices() {
    Services() = qtServices();
}

} // namespace platform
