// SPDX-License-Identifier: GPL-3.0-or-later
// One printed document on the printer the platform layer chooses: the system's default printer
// without a dialog, or a PDF file the user names when there is none. The job remembers the
// printer's orientation, sets the one asked for, begins the document and gives the canvas to
// draw on; Finish ends it. A printer error is shown in a message box and the document aborted;
// the printer always gets its orientation back. A PDF is drawn into a temporary file and only
// a complete one replaces the file the user named (a full disk or a read-only folder leaves an
// older file of that name whole).
//
//     PrintJob job(this, SuggestedPdfName(QStringLiteral("Times"), month, year),
//                  PrintJob::Orientation::Landscape);
//     if (!job.Started()) return;          // cancelled, or the printer failed (already shown)
//     PrintPageHeader(job.Canvas(), month, year);
//     ... draw below HeaderBottom, using job.PageWidth() and job.PageHeight() ...
//     PrintPageFooter(job.Canvas());
//     job.Finish();
#pragma once

#include <QPageLayout>
#include <QPainter>
#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QSaveFile;
class QTemporaryFile;
class QWidget;

class PrintJob {
  public:
    enum class Orientation { Current, Portrait, Landscape };

    PrintJob(QWidget* parent, const QString& suggestedPdfName, Orientation orientation);
    // A document still open is finished; the printer gets its orientation back.
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // True while a document is open and its canvas can be drawn on.
    bool Started() const { return started_; }
    // False only when the user cancelled the choice of the PDF file.
    bool HasPrinter() const { return printer_ != nullptr; }
    // Where the printout went, for the user: "PDF \"…\"" or "the printer \"…\"".
    QString Destination() const;

    QPainter& Canvas() { return canvas_; }
    QPrinter* Printer() { return printer_; }
    // The printable page in device pixels.
    int PageWidth() const;
    int PageHeight() const;

    // Ends the document. On a printer error shows a message and aborts it. True when the page
    // went to the printer.
    bool Finish();

  private:
    void Fail();
    void Fail(const QString& message);
    void FailToSave(const QString& error);
    void RestoreOrientation();
    bool DivertPdf(QString& error);
    bool DeliverPdf(QString& error);

    QWidget* parent_;
    std::unique_ptr<QPrinter> owned_;
    QPrinter* printer_ = nullptr;
    QPainter canvas_;
    QPageLayout remembered_;
    bool started_ = false;
    // A PDF printout: the file the user named (written at the end, whole or not at all) and
    // the temporary file the printer draws into.
    QString pdfTarget_;
    std::unique_ptr<QSaveFile> pdfFile_;
    std::unique_ptr<QTemporaryFile> pdfDraft_;
};

// The page layout a job sets: the orientation asked for, or, on a printer of the system's
// queue, a landscape page as a portrait page of swapped size (the queue would otherwise turn
// the landscape page once more and deliver portrait pages read sideways).
QPageLayout JobLayout(const QPageLayout& current, PrintJob::Orientation orientation,
                      bool systemQueue);

// A click on a print button: prints at once on the default printer; with Shift held, opens
// the system's print dialog with its preview (printer, copies, pages), `print` drawing both
// the preview and the printout. Either way the user is told where the printout went.
// `orientation` is the one `print` asks its job for: the dialog's page starts in it.
void PrintFromClick(QWidget* parent, Qt::KeyboardModifiers modifiers,
                    PrintJob::Orientation orientation, const std::function<void()>& print);

// "Cresselle <subject> <Month> <year>.pdf", the file name offered when printing goes to PDF.
QString SuggestedPdfName(const QString& subject, int month, int year);
