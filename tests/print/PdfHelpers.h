// SPDX-License-Identifier: GPL-3.0-or-later
// Printing to a PDF file of the test's own and reading the page back (pdftotext, pdftoppm).
#pragma once

#include "platform/Platform.h"

#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace pdftest {

// Every printout goes to `path` as PDF until the services are reset; `offered` receives the
// file name the program suggested. A `dpi` above 0 sets the printer's resolution.
inline void PrintTo(const QString& path, QString* offered = nullptr, int dpi = 0) {
    platform::Services().printer = [path, offered, dpi](QWidget*, const QString& suggested) {
        if (offered) *offered = suggested;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (dpi > 0) printer->setResolution(dpi);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        printer->setPageSize(QPageSize(QPageSize::A4));
        return printer;
    };
}

inline QString Run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The page's text with its layout kept.
inline QString Text(const QString& pdf) {
    return Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

// A word of the page and its box in points from the paper's top-left corner.
struct Word {
    QString text;
    double xMin, yMin, xMax, yMax;
    double centre() const { return (xMin + xMax) / 2; }
};

// The words of the first page (pdftotext -bbox).
inline QList<Word> Words(const QString& pdf) {
    const QString html = Run(QStringLiteral("pdftotext"),
                             {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                              QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<Word> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.append({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                      m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return words;
}

// The first page as a picture at `dpi`.
inline QImage Page(const QString& pdf, int dpi, const QString& outBase) {
    Run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
         QStringLiteral("-singlefile"), pdf, outBase});
    return QImage(outBase + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// A vertical strip of the first page, `width` pixels wide from x, at `dpi` (at the printer's
// own resolution one device pixel is one picture pixel).
inline QImage Strip(const QString& pdf, int dpi, int x, int width, const QString& outBase) {
    Run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-png"), QStringLiteral("-aaVector"), QStringLiteral("no"),
         QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-x"), QString::number(x),
         QStringLiteral("-y"), QStringLiteral("0"), QStringLiteral("-W"), QString::number(width),
         QStringLiteral("-H"), QStringLiteral("100000"), QStringLiteral("-singlefile"), pdf,
         outBase});
    return QImage(outBase + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// Pixels of the picture within `tolerance` of `colour` in each channel.
inline int CountColour(const QImage& image, QColor colour, int tolerance = 2) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (std::abs(qRed(line[x]) - colour.red()) <= tolerance &&
                std::abs(qGreen(line[x]) - colour.green()) <= tolerance &&
                std::abs(qBlue(line[x]) - colour.blue()) <= tolerance)
                ++count;
    }
    return count;
}

} // namespace pdftest
