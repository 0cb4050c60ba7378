// SPDX-License-Identifier: GPL-3.0-or-later
// The printed page frame and the print job: place line, title and footer on a real PDF page,
// cancelling, printer errors and the printer's orientation.
#include "print/PdfHelpers.h"
#include "print/PrintJob.h"
#include "print/fPrint.h"
#include "settings/ObserverSettings.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TObserverSettings Observer(const QString& location) {
    TObserverSettings s;
    s.Location = location;
    s.LatDeg = QStringLiteral("51");
    s.LatMin = QStringLiteral("08");
    s.LatSec = QStringLiteral("05");
    s.LatDir = QStringLiteral("North");
    s.LongDeg = QStringLiteral("001");
    s.LongMin = QStringLiteral("02");
    s.LongSec = QStringLiteral("09");
    s.LongDir = QStringLiteral("West");
    return s;
}

// A printer that reports the orientation it has when it is given back.
class RecordingPrinter : public QPrinter {
  public:
    explicit RecordingPrinter(QPageLayout::Orientation* givenBack)
        : QPrinter(QPrinter::HighResolution), givenBack_(givenBack) {}
    ~RecordingPrinter() override { *givenBack_ = pageLayout().orientation(); }

  private:
    QPageLayout::Orientation* givenBack_;
};

class PageFrameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        saved_ = ObserverSettings;
        platform::Services().message = [this](QWidget*, const QString&, const QString& text) {
            messages_ << text;
        };
    }
    void TearDown() override {
        ObserverSettings = saved_;
        platform::ResetServices();
    }
    QTemporaryDir dir_;
    TObserverSettings saved_;
    QStringList messages_;
};

TEST_F(PageFrameTest, PlaceLineJoinsTheStoredTextsWithTheDegreeSign) {
    EXPECT_EQ(PlaceLine(Observer(QStringLiteral("Hailsham"))),
              QStringLiteral("Hailsham     Latitude: 51\u00B0 08' 05\" North,   "
                             "Longitude: 001\u00B0 02' 09\" West"));
    // Without a place the line starts at the word once the blanks are trimmed.
    EXPECT_TRUE(PlaceLine(Observer(QString())).startsWith(QStringLiteral("Latitude: 51\u00B0")));
    // A place of 64 characters keeps every coordinate.
    EXPECT_TRUE(PlaceLine(Observer(QString(64, QLatin1Char('x'))))
                    .endsWith(QStringLiteral("Longitude: 001\u00B0 02' 09\" West")));
}

// The job carries the document's name (the print queue's title, the PDF's Title), and the
// longest place the store keeps is printed whole, on a landscape and on a portrait page.
TEST_F(PageFrameTest, JobIsNamedAndTheLongestPlaceLineIsPrintedWhole) {
    ObserverSettings = Observer(
        QStringLiteral("Wollongong Botanic Garden, Keiraville, New South Wales, Austral."));
    ObserverSettings.LatDir = QStringLiteral("South");
    ObserverSettings.LongDir = QStringLiteral("East");
    ASSERT_EQ(ObserverSettings.Location.size(), 64);
    for (const auto orientation :
         {PrintJob::Orientation::Landscape, PrintJob::Orientation::Portrait}) {
        const QString pdf = dir_.filePath(QStringLiteral("place.pdf"));
        pdftest::PrintTo(pdf);
        {
            PrintJob job(nullptr, SuggestedPdfName(QStringLiteral("Calendar"), 12, 2026),
                         orientation);
            ASSERT_TRUE(job.Started());
            EXPECT_EQ(job.Printer()->docName(), QStringLiteral("Cresselle Calendar December 2026"));
            PrintPageHeader(job.Canvas(), 12, 2026);
            PrintPageFooter(job.Canvas());
            EXPECT_TRUE(job.Finish());
        }
        const QString info = pdftest::Run(QStringLiteral("pdfinfo"), {pdf});
        EXPECT_TRUE(info.contains(QStringLiteral("Cresselle Calendar December 2026")))
            << info.toStdString();
        // Joined up again, the page's text holds the whole line.
        const QString text =
            pdftest::Run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).simplified();
        EXPECT_TRUE(text.contains(QStringLiteral("Wollongong Botanic Garden, Keiraville, New South "
                                                 "Wales, Austral.")))
            << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Latitude: 51\u00B0 08' 05\" South, Longitude: "
                                                 "001\u00B0 02' 09\" East")))
            << text.toStdString();
    }
}

TEST_F(PageFrameTest, PrintedPageCarriesTitlePlaceAndFooter) {
    ObserverSettings = Observer(QStringLiteral("Hailsham"));
    const QString pdf = dir_.filePath(QStringLiteral("frame.pdf"));
    QString offered;
    pdftest::PrintTo(pdf, &offered);
    {
        PrintJob job(nullptr, SuggestedPdfName(QStringLiteral("Calendar"), 3, 2027),
                     PrintJob::Orientation::Landscape);
        ASSERT_TRUE(job.Started());
        EXPECT_GT(job.PageWidth(), job.PageHeight());
        PrintPageHeader(job.Canvas(), 3, 2027);
        EXPECT_GT(HeaderBottom, 0);
        EXPECT_GT(FooterHeight, 0);
        EXPECT_LT(HeaderBottom + FooterHeight, job.PageHeight() / 3);
        PrintPageFooter(job.Canvas());
        EXPECT_TRUE(job.Finish());
    }
    EXPECT_EQ(offered, QStringLiteral("Cresselle Calendar March 2027.pdf"));
    const QString text = pdftest::Text(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("March 2027"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Latitude: 51\u00B0 08' 05\" North")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Cresselle V2.50")));
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(PageFrameTest, CancelledChoicePrintsNothing) {
    int asked = 0;
    platform::Services().printer = [&asked](QWidget*, const QString&) {
        ++asked;
        return std::unique_ptr<QPrinter>();
    };
    PrintJob job(nullptr, QStringLiteral("x.pdf"), PrintJob::Orientation::Landscape);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(job.Started());
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(PageFrameTest, PrinterGetsItsOrientationBack) {
    QPageLayout::Orientation givenBack = QPageLayout::Landscape;
    const QString pdf = dir_.filePath(QStringLiteral("o.pdf"));
    platform::Services().printer = [&](QWidget*, const QString&) {
        auto printer = std::make_unique<RecordingPrinter>(&givenBack);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        printer->setPageOrientation(QPageLayout::Portrait);
        return std::unique_ptr<QPrinter>(std::move(printer));
    };
    {
        PrintJob job(nullptr, QString(), PrintJob::Orientation::Landscape);
        ASSERT_TRUE(job.Started());
        EXPECT_EQ(job.Printer()->pageLayout().orientation(), QPageLayout::Landscape);
        EXPECT_TRUE(job.Finish());
    }
    EXPECT_EQ(givenBack, QPageLayout::Portrait);
    // The page itself was landscape.
    const QImage page = pdftest::Page(pdf, 30, dir_.filePath(QStringLiteral("o")));
    EXPECT_GT(page.width(), page.height());
}

TEST_F(PageFrameTest, PrinterErrorIsShownAndTheDocumentAbandoned) {
    QPageLayout::Orientation givenBack = QPageLayout::Landscape;
    const QString pdf = dir_.filePath(QStringLiteral("missing/folder/e.pdf"));
    platform::Services().printer = [&](QWidget*, const QString&) {
        auto printer = std::make_unique<RecordingPrinter>(&givenBack);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return std::unique_ptr<QPrinter>(std::move(printer));
    };
    {
        PrintJob job(nullptr, QString(), PrintJob::Orientation::Landscape);
        EXPECT_TRUE(job.HasPrinter());
        EXPECT_FALSE(job.Started());
        EXPECT_FALSE(job.Finish());
    }
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_.front().contains(QStringLiteral("e.pdf")));
    EXPECT_EQ(givenBack, QPageLayout::Portrait);
    EXPECT_FALSE(QFile::exists(pdf));
}

// Without a printer the PDF is offered in Documents, or in the home folder when there is no
// Documents folder (the dialog would otherwise open in the working folder).
TEST_F(PageFrameTest, PdfIsOfferedInAFolderThatExists) {
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", dir_.path().toLocal8Bit());
    const QString withoutDocuments = platform::PdfFolder();
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("Documents")));
    const QString withDocuments = platform::PdfFolder();
    qputenv("HOME", home);
    EXPECT_EQ(withoutDocuments, dir_.path());
    EXPECT_EQ(withDocuments, dir_.filePath(QStringLiteral("Documents")));
}

} // namespace
