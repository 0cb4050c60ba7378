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
};

// The services in force; starts with the real Qt ones.
ServiceTable& Services();
// Puts every service back to its Qt default.
void ResetServices();
// The folder the PDF file is first offered in: Documents when it exists, else the home folder.
QString PdfFolder();

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
inline std::unique_ptr<QPrinter> PrinterFor(QWidget* parent, const QString& suggestedPdfName) {
    return Services().printer(parent, suggestedPdfName);
}

} // namespace platform
