// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/PrintJob.h"

#include "astro/fGlobals.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryFile>

#include <algorithm>
#include <utility>

namespace {
// The printer of the print dialog while it asks for a drawing; jobs then print on it.
QPrinter*& DialogPrinter() {
    static QPrinter* printer = nullptr;
    return printer;
}
// Where the last job drawn for the dialog went.
QString& LastDestination() {
    static QString destination;
    return destination;
}
} // namespace

PrintJob::PrintJob(QWidget* parent, const QString& suggestedPdfName, Orientation orientation)
    : parent_(parent) {
    if (DialogPrinter()) {
        printer_ = DialogPrinter();
    } else {
        owned_ = platform::PrinterFor(parent, suggestedPdfName);
        printer_ = owned_.get();
    }
    if (!printer_) return; // the user cancelled: nothing is printed
    // The job's title in the print queue, and the PDF's Title: "Cresselle Calendar March 2027".
    QString title = suggestedPdfName;
    if (title.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) title.chop(4);
    printer_->setDocName(title);
    remembered_ = printer_->pageLayout();
    // The dialog's printer keeps the page the dialog set up (and the user may have changed).
    if (!DialogPrinter()) {
        printer_->setPageLayout(JobLayout(remembered_, orientation,
                                          printer_->outputFormat() == QPrinter::NativeFormat));
        // A printer that takes no page of its own size keeps its paper: the page is turned.
        const QRectF page = printer_->pageLayout().fullRectPoints();
        if (orientation == Orientation::Landscape && page.width() < page.height())
            printer_->setPageOrientation(QPageLayout::Landscape);
    }
    QString error;
    if (!DivertPdf(error)) {
        FailToSave(error);
        return;
    }
    if (!canvas_.begin(printer_)) {
        Fail();
        return;
    }
    started_ = true;
}

PrintJob::~PrintJob() {
    if (started_)
        Finish();
    else if (printer_)
        RestoreOrientation();
}

int PrintJob::PageWidth() const {
    return printer_ ? printer_->width() : 0;
}

int PrintJob::PageHeight() const {
    return printer_ ? printer_->height() : 0;
}

bool PrintJob::Finish() {
    if (!started_) return false;
    started_ = false;
    const bool failedWhileDrawing = printer_->printerState() == QPrinter::Error;
    const bool ended = canvas_.end();
    if (failedWhileDrawing || !ended || printer_->printerState() == QPrinter::Error) {
        Fail();
        return false;
    }
    QString error;
    if (!DeliverPdf(error)) {
        FailToSave(error);
        return false;
    }
    RestoreOrientation();
    LastDestination() = Destination();
    // A job drawn for the dialog is told about once the dialog has printed.
    if (!DialogPrinter())
        platform::Note(parent_,
                       QCoreApplication::translate("PrintJob", "Sent to %1").arg(Destination()));
    return true;
}

QString PrintJob::Destination() const {
    if (!printer_) return {};
    const QString file = pdfTarget_.isEmpty() ? printer_->outputFileName() : pdfTarget_;
    if (!file.isEmpty())
        return QCoreApplication::translate("PrintJob", "PDF \"%1\"")
            .arg(QDir::toNativeSeparators(file));
    return QCoreApplication::translate("PrintJob", "the printer \"%1\"")
        .arg(printer_->printerName());
}

// Opens the file the user named (so that a folder that cannot be written is known before
// anything is drawn) and points the printer at a temporary file instead.
bool PrintJob::DivertPdf(QString& error) {
    if (printer_->outputFormat() != QPrinter::PdfFormat || printer_->outputFileName().isEmpty())
        return true;
    pdfTarget_ = printer_->outputFileName();
    pdfFile_ = std::make_unique<QSaveFile>(pdfTarget_);
    if (!pdfFile_->open(QIODevice::WriteOnly)) {
        error = pdfFile_->errorString();
        return false;
    }
    pdfDraft_ = std::make_unique<QTemporaryFile>(
        QDir::temp().filePath(QStringLiteral("cresselle-XXXXXX.pdf")));
    if (!pdfDraft_->open()) {
        error = pdfDraft_->errorString();
        return false;
    }
    pdfDraft_->close(); // the printer opens it by name
    printer_->setOutputFileName(pdfDraft_->fileName());
    return true;
}

// Copies the finished PDF over the file the user named. The printer reports no write errors
// of its own, so an incomplete draft (a full disk) is recognised by its missing end marker.
bool PrintJob::DeliverPdf(QString& error) {
    if (!pdfFile_) return true;
    QFile draft(pdfDraft_->fileName());
    if (!draft.open(QIODevice::ReadOnly)) {
        error = draft.errorString();
        return false;
    }
    const QByteArray pdf = draft.readAll();
    if (!pdf.trimmed().endsWith("%%EOF")) {
        error = QCoreApplication::translate("PrintJob", "the printout was not written completely");
        return false;
    }
    if (pdfFile_->write(pdf) != pdf.size() || !pdfFile_->commit()) {
        error = pdfFile_->errorString();
        return false;
    }
    pdfFile_.reset();
    return true;
}

void PrintJob::Fail() {
    QString where =
        printer_->outputFileName().isEmpty() ? printer_->printerName() : printer_->outputFileName();
    if (!pdfTarget_.isEmpty()) where = pdfTarget_;
    Fail(QCoreApplication::translate(
             "PrintJob", "The printer reported an error and the printout was abandoned.\n\n"
                         "Printer: %1")
             .arg(where));
}

void PrintJob::FailToSave(const QString& error) {
    Fail(QCoreApplication::translate("PrintJob", "The printout could not be saved as \"%1\": %2")
             .arg(QDir::toNativeSeparators(pdfTarget_), error));
}

void PrintJob::Fail(const QString& message) {
    printer_->abort();
    if (canvas_.isActive()) canvas_.end();
    if (pdfFile_) pdfFile_->cancelWriting(); // the file of that name stays as it was
    RestoreOrientation();
    platform::ShowMessage(parent_, message);
}

// The printer's orientation, and the file name it was given, as they were before the job.
void PrintJob::RestoreOrientation() {
    printer_->setPageLayout(remembered_);
    if (!pdfTarget_.isEmpty()) printer_->setOutputFileName(pdfTarget_);
}

QPageLayout JobLayout(const QPageLayout& current, PrintJob::Orientation orientation,
                      bool systemQueue) {
    QPageLayout layout = current;
    if (orientation == PrintJob::Orientation::Current) return layout;
    const bool landscape = orientation == PrintJob::Orientation::Landscape;
    if (!landscape || !systemQueue) {
        // A page of swapped size left by an earlier job is a landscape page already.
        layout.setOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        return layout;
    }
    const QSizeF size = current.pageSize().size(QPageSize::Millimeter);
    if (size.width() >= size.height() && current.orientation() == QPageLayout::Portrait)
        return layout;
    const QSizeF wide(std::max(size.width(), size.height()), std::min(size.width(), size.height()));
    layout.setPageSize(
        QPageSize(wide, QPageSize::Millimeter, current.pageSize().name(), QPageSize::ExactMatch));
    layout.setOrientation(QPageLayout::Portrait);
    return layout;
}

void PrintFromClick(QWidget* parent, Qt::KeyboardModifiers modifiers,
                    PrintJob::Orientation orientation, const std::function<void()>& print) {
    if (!modifiers.testFlag(Qt::ShiftModifier)) {
        print();
        return;
    }
    LastDestination().clear();
    const auto setUp = [orientation](QPrinter* printer) {
        printer->setPageLayout(JobLayout(printer->pageLayout(), orientation,
                                         printer->outputFormat() == QPrinter::NativeFormat));
    };
    const auto paint = [&print](QPrinter* printer) {
        QPrinter* before = std::exchange(DialogPrinter(), printer);
        print();
        DialogPrinter() = before;
    };
    const bool printed = platform::Services().printDialog(parent, setUp, paint);
    if (printed && !LastDestination().isEmpty())
        platform::Note(
            parent, QCoreApplication::translate("PrintJob", "Sent to %1").arg(LastDestination()));
}

QString SuggestedPdfName(const QString& subject, int month, int year) {
    return QStringLiteral("Cresselle %1 %2 %3.pdf")
        .arg(subject, QString::fromStdString(astro::LongMonthName(month)))
        .arg(year);
}
