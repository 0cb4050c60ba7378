// SPDX-License-Identifier: GPL-3.0-or-later
// The few system services that tests stand in for. Each has a default Qt implementation;
// a test replaces the member of Services() it needs and restores it afterwards.
#pragma once

#include <QDateTime>
#include <QPrinter>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class QWidget;

namespace platform {

struct ServiceTable {
    // Local date and time of the system clock.
    std::function<QDateTime()> now;
    // Message box with an OK button.
    std::function<void(QWidget* parent, const QString& title, const QString& text)> message;
    std::function<void()> beep;
    // Shell "open" of a document or web address.
    std::function<bool(const QUrl& url)> openUrl;
    // Common file-save dialog; an empty result means cancelled.
    std::function<QString(QWidget* parent, const QString& caption, const QString& suggestedPath,
                          const QString& filter)>
        saveFileName;
    // The printer to print on: the default printer, or a PDF file the user names when the
    // system has none. nullptr when the user cancels.
    std::function<std::unique_ptr<QPrinter>(QWidget* parent, const QString& suggestedPdfName)>
        printer;
    // A question with Yes and No; true for Yes.
    std::function<bool(QWidget* parent, const QString& title, const QString& text)> ask;
    // A short note that needs no answer (where a printout went), shown without taking the focus.
    std::function<void(QWidget* parent, const QString& text)> note;
    // The system's print dialog with a preview, on a printer `setUp` prepares first (its page
    // orientation): `paint` draws the document on the printer it is given (the preview's,
    // then the chosen printer's). True when the user printed.
    std::function<bool(QWidget* parent, const std::function<void(QPrinter*)>& setUp,
                       const std::function<void(QPrinter*)>& paint)>
        printDialog;
    // Puts a text on the clipboard.
    std::function<void(const QString& text)> copyText;
};

// The services in force; starts with the real Qt ones.
ServiceTable& Services();
// Puts every service back to its Qt default.
void ResetServices();
// The folder the PDF file is first offered in: Documents when it exists, else the home folder.
QString PdfFolder();
// The folder a picture is first offered in: Pictures when it exists, else the home folder.
QString PicturesFolder();

// The save dialog for a file of one kind. `extension` (".bmp") is added to a name typed
// without one; a name that then points at an existing file is replaced only when the user
// agrees (the dialog asked only about the name as typed). The dialog opens in the last folder
// a file of this `kind` was saved in during the session, else in `firstFolder`. Empty when
// cancelled.
QString ChooseSaveFile(QWidget* parent, const QString& kind, const QString& caption,
                       const QString& firstFolder, const QString& suggestedName,
                       const QString& filter, const QString& extension);

// Opens a document or web address; when nothing on the system can open it, says so in a
// message that names it, offering to copy it. True when it was opened.
bool OpenOrOffer(QWidget* parent, const QUrl& url);

inline QDateTime Now() {
    return Services().now();
}
inline void ShowMessage(QWidget* parent, const QString& text,
                        const QString& title = QStringLiteral("Cresselle")) {
    Services().message(parent, title, text);
}
inline void Beep() {
    Services().beep();
}
inline bool OpenUrl(const QUrl& url) {
    return Services().openUrl(url);
}
inline QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                               const QString& filter) {
    return Services().saveFileName(parent, caption, suggested, filter);
}
inline bool Ask(QWidget* parent, const QString& text,
                const QString& title = QStringLiteral("Cresselle")) {
    return Services().ask(parent, title, text);
}
inline void Note(QWidget* parent, const QString& text) {
    Services().note(parent, text);
}
inline std::unique_ptr<QPrinter> PrinterFor(QWidget* parent, const QString& suggestedPdfName) {
    return Services().printer(parent, suggestedPdfName);
}

} // namespace platform
