#include "print/PrintJob.h"

#include "astro/fGlobals.h"
#include "platform/Platform.h"

#include <QPrinter>

PrintJob::PrintJob(QWidget* parent, const QString& suggestedPdfName, Orientation orientation)
    : parent_(parent), printer_(platform::PrinterFor(parent, suggestedPdfName)) {
    if (!printer_) return; // the user cancelled: nothing is printed
    remembered_ = printer_->pageLayout().orientation();
    if (orientation == Orientation::Landscape) printer_->setPageOrientation(QPageLayout::Landscape);
    if (orientation == Orientation::Portrait) printer_->setPageOrientation(QPageLayout::Portrait);
    if (!canvas_.begin(printer_.get())) {
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
    RestoreOrientation();
    return true;
}

void PrintJob::Fail() {
    printer_->abort();
    if (canvas_.isActive()) canvas_.end();
    RestoreOrientation();
    const QString where =
        printer_->outputFileName().isEmpty() ? printer_->printerName() : printer_->outputFileName();
    platform::ShowMessage(parent_, QStringLiteral("The printer reported an error and the "
                                                  "printout was abandoned.\n\nPrinter: %1")
                                       .arg(where));
}

void PrintJob::RestoreOrientation() {
    printer_->setPageOrientation(remembered_);
}

QString SuggestedPdfName(const QString& subject, int month, int year) {
    return QStringLiteral("Cresselle %1 %2 %3.pdf")
        .arg(subject, QString::fromStdString(astro::LongMonthName(month)))
        .arg(year);
}
