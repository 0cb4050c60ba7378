// SPDX-License-Identifier: GPL-3.0-or-later
// The program in English, French, German and Spanish: the texts of every window, popup and
// the printed calendar fit their places (measured with the font metrics), the engine's phase
// names and the exported calendar follow the language, the setting is kept and repaired, and
// the help page is the language's own where there is one.
#include "ReportFixture.h"

#include "export/CalendarTexts.h"
#include "export/IcsCalendar.h"
#include "print/Canvas.h"
#include "print/fPrintCalendar.h"
#include "ui/Language.h"
#include "ui/frame/TClickLabel.h"
#include "ui/frame/TFrame.h"
#include "ui/main/fDateInfo.h"
#include "ui/reports/fAltitudeGraph.h"
#include "ui/reports/fEclipseReport.h"
#include "ui/reports/fEquinox.h"
#include "ui/reports/fFeatures.h"
#include "ui/style/PaintedTexts.h"
#include "ui/style/Style.h"
#include "zone/EngineText.h"
#include "zone/Zone.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QStyleOptionComboBox>
#include <QTextDocument>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Back to what a test program starts with: the system's locale, no translation.
void InstallSystemLanguage() {
    language::Install(*qApp, QStringLiteral("System"));
}

QString Where(const QWidget* window, const QWidget* w) {
    return QStringLiteral("%1/%2").arg(
        QLatin1String(window->metaObject()->className()),
        w->objectName().isEmpty() ? QLatin1String(w->metaObject()->className()) : w->objectName());
}

// Every text of the window's labels, lists, boxes and buttons that is wider (or, wrapped,
// taller) than its control, reaches outside the window, or overlaps another label's text.
QStringList Overflows(QWidget* window) {
    QStringList found;
    struct Placed {
        QRect Rect;
        QString Text;
        const QWidget* Widget;
    };
    std::vector<Placed> placed;
    for (QLabel* l : window->findChildren<QLabel*>()) {
        if (!l->isVisibleTo(window) || l->text().trimmed().isEmpty() || !l->pixmap().isNull())
            continue;
        if (l->textFormat() == Qt::RichText || Qt::mightBeRichText(l->text())) continue;
        const QFontMetrics fm(l->font());
        const QRect room =
            l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        const int flags = static_cast<int>(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect need = fm.boundingRect(room, flags, l->text());
        if (need.width() > room.width() + 1 || (l->wordWrap() && need.height() > room.height() + 1))
            found << QStringLiteral("%1 \"%2\": needs %3x%4, has %5x%6")
                         .arg(Where(window, l), l->text())
                         .arg(need.width())
                         .arg(need.height())
                         .arg(room.width())
                         .arg(room.height());
        const QRect inWindow = need.intersected(room).translated(l->mapTo(window, QPoint(0, 0)));
        if (!window->rect().contains(inWindow))
            found << QStringLiteral("%1 \"%2\" reaches outside the window")
                         .arg(Where(window, l), l->text());
        placed.push_back({inWindow, l->text(), l});
    }
    for (std::size_t i = 0; i < placed.size(); ++i)
        for (std::size_t j = i + 1; j < placed.size(); ++j) {
            const Placed& a = placed[i];
            const Placed& b = placed[j];
            // A shadow under its text is the same text a pixel off.
            if (a.Text == b.Text) continue;
            const QRect both = a.Rect.intersected(b.Rect);
            if (both.width() > 1 && both.height() > 2)
                found << QStringLiteral("%1 \"%2\" overlaps %3 \"%4\"")
                             .arg(Where(window, a.Widget), a.Text, Where(window, b.Widget), b.Text);
        }
    for (QComboBox* c : window->findChildren<QComboBox*>()) {
        if (!c->isVisibleTo(window) || c->count() > 60) continue; // zones and places: data
        QStyleOptionComboBox option;
        option.initFrom(c);
        option.editable = c->isEditable();
        const QRect field = c->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, c);
        const QFontMetrics fm(c->font());
        for (int i = 0; i < c->count(); ++i)
            if (fm.horizontalAdvance(c->itemText(i)) > field.width())
                found << QStringLiteral("%1 entry \"%2\": %3 wide, field %4")
                             .arg(Where(window, c), c->itemText(i))
                             .arg(fm.horizontalAdvance(c->itemText(i)))
                             .arg(field.width());
    }
    for (QLineEdit* e : window->findChildren<QLineEdit*>()) {
        if (!e->isVisibleTo(window) || e->placeholderText().isEmpty()) continue;
        if (qobject_cast<QComboBox*>(e->parentWidget())) continue;
        const int room = mainstyle::PlaceholderRoom(*e);
        const int need = QFontMetrics(e->font()).horizontalAdvance(e->placeholderText());
        if (need > room)
            found << QStringLiteral("%1 hint \"%2\": %3 wide, field %4")
                         .arg(Where(window, e), e->placeholderText())
                         .arg(need)
                         .arg(room);
    }
    // A caption beside a box or list ends before it.
    for (QLabel* l : window->findChildren<QLabel*>()) {
        if (!l->isVisibleTo(window) || l->text().isEmpty() || !l->pixmap().isNull()) continue;
        const QRect text(l->mapTo(window, QPoint(0, 0)),
                         QSize(QFontMetrics(l->font()).horizontalAdvance(l->text()), l->height()));
        for (QWidget* box : window->findChildren<QWidget*>()) {
            if (!box->isVisibleTo(window) || box == l || box->isAncestorOf(l) ||
                l->isAncestorOf(box) || qobject_cast<QLabel*>(box) ||
                !(qobject_cast<QAbstractButton*>(box) || qobject_cast<QComboBox*>(box) ||
                  qobject_cast<QLineEdit*>(box) || qobject_cast<QAbstractSpinBox*>(box)))
                continue;
            if (qobject_cast<QComboBox*>(box->parentWidget())) continue;
            const QRect area(box->mapTo(window, QPoint(0, 0)), box->size());
            if (text.intersects(area.adjusted(1, 1, -1, -1)))
                found << QStringLiteral("%1 \"%2\" runs into %3")
                             .arg(Where(window, l), l->text(), Where(window, box));
        }
    }
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(window) || b->text().isEmpty()) continue;
        const int need = b->sizeHint().width();
        if (need > b->width())
            found << QStringLiteral("%1 \"%2\": needs %3, has %4")
                         .arg(Where(window, b), b->text())
                         .arg(need)
                         .arg(b->width());
    }
    return found;
}

// A page that records where each text is drawn, in device pixels.
class TextRecorder : public QPaintDevice {
  public:
    struct Text {
        QRectF Rect;
        QString String;
    };
    TextRecorder(int width, int height, int dpi) : width_(width), height_(height), dpi_(dpi) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    const std::vector<Text>& texts() const { return engine_.texts; }

  protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth:
            return width_;
        case PdmHeight:
            return height_;
        case PdmWidthMM:
            return width_ * 254 / (dpi_ * 10);
        case PdmHeightMM:
            return height_ * 254 / (dpi_ * 10);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return dpi_;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 0x7fffffff;
        default:
            return 0;
        }
    }

  private:
    class Engine : public QPaintEngine {
      public:
        Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState& state) override {
            if (state.state() & QPaintEngine::DirtyTransform) transform = state.transform();
        }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath&) override {}

        void drawTextItem(const QPointF& p, const QTextItem& item) override {
            const QFontMetricsF fm(item.font(), paintDevice());
            const QRectF r(p.x(), p.y() - fm.ascent(), item.width(), fm.ascent() + fm.descent());
            texts.push_back({transform.mapRect(r), item.text()});
        }
        Type type() const override { return QPaintEngine::User; }
        QTransform transform;
        std::vector<Text> texts;
    };
    int width_, height_, dpi_;
    mutable Engine engine_;
};

// The texts of a recorded page that leave the page or overlap one another.
QStringList PageOverflows(const TextRecorder& page, const QRectF& paper) {
    QStringList found;
    const auto& texts = page.texts();
    for (const auto& t : texts)
        if (!paper.contains(t.Rect.adjusted(1, 1, -1, -1)))
            found << QStringLiteral("\"%1\" leaves the page").arg(t.String);
    for (std::size_t i = 0; i < texts.size(); ++i)
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            const QRectF both = texts[i].Rect.intersected(texts[j].Rect);
            // Lines of one block touch by their leading; a text over another covers it.
            if (both.width() > 2 &&
                both.height() > 0.25 * std::min(texts[i].Rect.height(), texts[j].Rect.height()))
                found << QStringLiteral("\"%1\" overlaps \"%2\"")
                             .arg(texts[i].String, texts[j].String);
        }
    return found;
}

class InEveryLanguage : public ReportFixture, public ::testing::WithParamInterface<const char*> {
  protected:
    void SetUp() override {
        language::Install(*qApp, QLatin1String(GetParam()));
        ReportFixture::SetUp();
        const QString shipped =
            qEnvironmentVariable("CRESSELLE_SOURCE_DIR") + QStringLiteral("/runtime/data.dat");
        QFile::copy(shipped, QDir::current().filePath(QStringLiteral("data.dat")));
    }
    void TearDown() override {
        ReportFixture::TearDown();
        InstallSystemLanguage();
    }
};

} // namespace

// The language the windows speak: the chosen one, the system's when the program speaks it,
// else English; the locale keeps the system's country where it speaks that language, and
// names the months in the shown language where it does not.
TEST(Language, ChoiceAndLocale) {
    const QLocale german(QLocale::German, QLocale::Austria);
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    EXPECT_EQ(language::Effective(QStringLiteral("System"), german), QStringLiteral("de"));
    EXPECT_EQ(language::Effective(QStringLiteral("System"), japanese), QStringLiteral("en"));
    EXPECT_EQ(language::Effective(QStringLiteral("fr"), german), QStringLiteral("fr"));
    EXPECT_EQ(language::Effective(QStringLiteral("xx"), german), QStringLiteral("de"));
    EXPECT_EQ(language::LocaleOf(QStringLiteral("de"), german), german);
    EXPECT_EQ(language::LocaleOf(QStringLiteral("es"), german).language(), QLocale::Spanish);
    EXPECT_EQ(language::LocaleOf(QStringLiteral("System"), japanese).language(), QLocale::English);
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    EXPECT_EQ(language::LocaleOf(QStringLiteral("System"), italian).monthName(12),
              QStringLiteral("December"));
    const QLocale irish(QLocale::Irish, QLocale::Ireland);
    EXPECT_EQ(language::LocaleOf(QStringLiteral("System"), irish),
              QLocale(QLocale::English, QLocale::Ireland));
}

// "Language" is kept as chosen; anything else is put back to "System", and the user is told.
TEST(Language, SettingIsKeptAndRepaired) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Cresselle.ini"));
    settingsstore::SetLocationForTests(ini);
    TObserverSettings s;
    settingsstore::Load(s);
    EXPECT_EQ(s.Language, QStringLiteral("System")); // a store from before the setting
    s.Language = QStringLiteral("es");
    ASSERT_TRUE(settingsstore::SaveConfiguration(s));
    TObserverSettings read;
    settingsstore::Load(read);
    EXPECT_EQ(read.Language, QStringLiteral("es"));
    {
        QSettings raw(ini, QSettings::IniFormat);
        raw.setValue(QStringLiteral("Language"), QStringLiteral("Klingon\x01"));
    }
    (void)settingsstore::TakeNotice();
    settingsstore::Load(read);
    EXPECT_EQ(read.Language, QStringLiteral("System"));
    EXPECT_TRUE(settingsstore::TakeNotice().contains(QStringLiteral("Language")));
    QSettings raw(ini, QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("Language")).toString(), QStringLiteral("System"));
    settingsstore::SetLocationForTests({});
}

// F1 opens the page of the program's language when the folder has it, else the English one.
TEST(Language, HelpPageOfTheLanguage) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("docs"));
    QFile german(dir.filePath(QStringLiteral("docs/cresselle_de.htm")));
    ASSERT_TRUE(german.open(QIODevice::WriteOnly));
    german.close();
    language::Install(*qApp, QStringLiteral("de"));
    EXPECT_EQ(language::HelpPage(dir.path()), QStringLiteral("docs/cresselle_de.htm"));
    language::Install(*qApp, QStringLiteral("fr"));
    EXPECT_EQ(language::HelpPage(dir.path()), QStringLiteral("docs/cresselle.htm"));
    // Every shipped language has its page beside the English one.
    const QString shipped =
        qEnvironmentVariable("CRESSELLE_SOURCE_DIR") + QStringLiteral("/runtime");
    for (const char* code : {"fr", "de", "es"}) {
        language::Install(*qApp, QLatin1String(code));
        EXPECT_EQ(language::HelpPage(shipped),
                  QStringLiteral("docs/cresselle_%1.htm").arg(QLatin1String(code)));
    }
    InstallSystemLanguage();
    EXPECT_EQ(language::HelpPage(shipped), QStringLiteral("docs/cresselle.htm"));
}

// The French observer's main window names the first quarter of 17 December 2026 as French
// observers do, on the clock line and in the month's phases; the month heading is French.
TEST_P(InEveryLanguage, FirstQuarterOfDecember2026) {
    static const std::pair<const char*, const char*> names[] = {{"en", "First Quarter"},
                                                                {"fr", "Premier quartier"},
                                                                {"de", "Erstes Viertel"},
                                                                {"es", "Cuarto creciente"}};
    QString expected;
    for (const auto& [code, name] : names)
        if (QLatin1String(code) == QLatin1String(GetParam())) expected = QString::fromUtf8(name);
    static QDateTime clock;
    clock = QDateTime(QDate(2026, 12, 17), QTime(12, 0, 0));
    platform::Services().now = [] { return clock; };
    SelectDay(17, 12, 2026);
    main->Timer1Timer();
    EXPECT_TRUE(main->ClockText.endsWith(QStringLiteral(" - ") + expected))
        << main->ClockText.toStdString();
    bool listed = false;
    for (int slot = 0; slot < main->PhaseCount; ++slot)
        if (main->Phases[slot].Kind == astro::PhaseKind::FirstQuarter)
            listed = main->imgPhase[slot]->accessibleName() == expected;
    EXPECT_TRUE(listed) << expected.toStdString();
    const QString heading = main->lblSelectedmonth->text();
    EXPECT_EQ(heading, QLocale().standaloneMonthName(12).left(1).toUpper() +
                           QLocale().standaloneMonthName(12).mid(1));
    if (QLatin1String(GetParam()) == QLatin1String("fr")) {
        EXPECT_EQ(heading, QStringLiteral("D\u00E9cembre"));
    }
}

// The calendar saved from the windows speaks the language; the same events, the same instants.
TEST_P(InEveryLanguage, SavedCalendarInTheLanguage) {
    const astro::Observer greenwich{0.8984, 0, 0};
    const auto events = ics::YearEvents(2026, greenwich);
    ASSERT_FALSE(events.empty());
    const std::string text =
        ics::CalendarText(events, 2461000.5, "2.50", ics::YearCalendarName(2026));
    const QString firstQuarter = QCoreApplication::translate("Calendar", "First Quarter");
    EXPECT_NE(text.find("SUMMARY:" + firstQuarter.toStdString()), std::string::npos);
    if (QLatin1String(GetParam()) != QLatin1String("en")) {
        EXPECT_NE(firstQuarter, QStringLiteral("First Quarter"));
        EXPECT_EQ(text.find("SUMMARY:First Quarter"), std::string::npos);
    }
    ics::SetTextTranslator(nullptr);
    const auto english = ics::YearEvents(2026, greenwich);
    ASSERT_EQ(english.size(), events.size());
    for (std::size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(english[i].Start, events[i].Start);
        EXPECT_EQ(english[i].Tag, events[i].Tag);
    }
}

// Every window and popup, shown with its contents, keeps each text within its control and
// the window, and no two texts overlap; so do the captions painted into the pictures.
TEST_P(InEveryLanguage, EveryWindowFitsItsTexts) {
    static QDateTime clock;
    clock = QDateTime(QDate(2025, 3, 14), QTime(6, 0, 0));
    platform::Services().now = [] { return clock; };
    SelectDay(14, 3, 2025); // a total eclipse of the Moon: the eclipse popup has every row
    main->Timer1Timer();
    QStringList found;
    int count = 0;
    QWidget* const* windows = CreatedWindowsInOrder(count);
    std::vector<QWidget*> all(windows, windows + count);
    all.push_back(Windows().AltitudeGraph);
    std::size_t captionCount = 0;
    const paintedtexts::PaintedText* captions = paintedtexts::AllPaintedTexts(captionCount);
    for (QWidget* w : all) {
        w->show();
        QCoreApplication::processEvents();
        found << Overflows(w);
        // A window whose picture has painted captions keeps them where they can be repainted.
        const char* name = w->metaObject()->className();
        const auto* frame = qobject_cast<const TFrame*>(w);
        const bool painted = std::any_of(captions, captions + captionCount, [&](const auto& t) {
            return std::strcmp(t.Context, name) == 0;
        });
        if (frame && painted && !paintedtexts::HasPaintedCaptions(frame->background(), name))
            found << QStringLiteral("%1: its captions cannot be repainted in its picture")
                         .arg(QLatin1String(name));
        if (w != main) w->hide();
    }
    // The main window's titles end before the values drawn beside them.
    for (QLabel* l : main->findChildren<QLabel*>()) {
        if (!l->isVisibleTo(main) || l->text().isEmpty()) continue;
        const int values = l->x() == 188                  ? 249
                           : l->x() == 150                ? 212
                           : l->x() == 284                ? 316
                           : l->x() == 32 && l->y() < 380 ? 94
                           : l->x() == 32                 ? 130
                                                          : 0;
        const int right = l->x() + QFontMetrics(l->font()).horizontalAdvance(l->text());
        if (values > 0 && right >= values - 1)
            found << QStringLiteral("TMain \"%1\" ends at %2, its value starts at %3")
                         .arg(l->text())
                         .arg(right)
                         .arg(values);
    }
    std::size_t n = 0;
    const paintedtexts::PaintedText* painted = paintedtexts::AllPaintedTexts(n);
    for (std::size_t i = 0; i < n; ++i) {
        const paintedtexts::PaintedText& t = painted[i];
        const QString text = QCoreApplication::translate(t.Context, t.English);
        const QFont font = paintedtexts::FittingFont(text, t.Pixels, t.Bold, t.Place.width());
        const int need = QFontMetrics(font).horizontalAdvance(text);
        if (need > t.Place.width() || QFontMetrics(font).height() > t.Place.height() + 3)
            found << QStringLiteral("%1 painted \"%2\": %3 wide, place %4")
                         .arg(QLatin1String(t.Context), text)
                         .arg(need)
                         .arg(t.Place.width());
        // The captions of one picture keep apart as they are drawn ("Couch." and "\u00C9cl.").
        const QRect drawn = QFontMetrics(font).boundingRect(t.Place, t.Align, text);
        for (std::size_t j = 0; j < i; ++j) {
            const paintedtexts::PaintedText& u = painted[j];
            if (std::strcmp(u.Context, t.Context) != 0) continue;
            const QString other = QCoreApplication::translate(u.Context, u.English);
            const QFont otherFont =
                paintedtexts::FittingFont(other, u.Pixels, u.Bold, u.Place.width());
            const QRect both =
                drawn.intersected(QFontMetrics(otherFont).boundingRect(u.Place, u.Align, other));
            if (both.width() > 1 && both.height() > 2)
                found << QStringLiteral("%1 painted \"%2\" overlaps \"%3\"")
                             .arg(QLatin1String(t.Context), text, other);
        }
    }
    EXPECT_TRUE(found.isEmpty()) << GetParam() << ":\n  "
                                 << found.join(QStringLiteral("\n  ")).toStdString();
}

// The printed month keeps its texts on the page and apart, every print option on.
TEST_P(InEveryLanguage, PrintedCalendarFitsItsTexts) {
    ObserverSettings.Location = QStringLiteral("Greenwich");
    ObserverSettings.PrintDailyPhases = ObserverSettings.PrintMajorPhases = true;
    ObserverSettings.PrintLunarTimes = ObserverSettings.PrintSunTimes = true;
    const astro::Observer greenwich{0.8984, 0, 0};
    for (const int month : {2, 9, 12}) { // the longest weekday and month names
        const CalendarPage page = CalendarPageFor(month, 2026, greenwich, PhaseShadingFrame{});
        TextRecorder paper(13200, 10200, 1200); // US letter, landscape, as a PDF printer
        {
            QPainter painter(&paper);
            DrawCalendarPage(painter, page);
        }
        ASSERT_GT(paper.texts().size(), 100u);
        double right = 0;
        for (const auto& t : paper.texts())
            right = std::max(right, t.Rect.right());
        EXPECT_GT(right, 0.8 * 13200); // the texts are recorded where the page has them

        const QStringList found = PageOverflows(paper, QRectF(0, 0, 13200, 10200));
        EXPECT_TRUE(found.isEmpty()) << GetParam() << " month " << month << ":\n  "
                                     << found.mid(0, 20).join(QStringLiteral("\n  ")).toStdString();
    }
}

// The features list's rows keep within the list and apart in a month of long names, with the
// grazing times' "\u00B1" marks; its band buttons keep the band's size.
TEST_P(InEveryLanguage, FeaturesListFitsItsRows) {
    TFeatures* list = Windows().Features;
    ObserverSettings.Location = QStringLiteral("Greenwich");
    astro::DateTimeRec day;
    day.Day = 17;
    day.Month = 9;
    day.Year = 2026;
    day.Hour = 21;
    list->DisplaySunRiseSetTimes(day, astro::Observer{0.8984, 0, 0});
    list->WaitForTimes();
    QStringList found;
    const QSize size(640 - 16 - 40, TFeatures::VisibleRows * 16);
    const int dpi = QPixmap(1, 1).logicalDpiX();
    bool grazing = false;
    for (int first = 0; first <= list->ScrollBar1->maximum(); first += TFeatures::VisibleRows) {
        list->ScrollBar1->setValue(first);
        TextRecorder page(size.width(), size.height(), dpi);
        {
            QPainter painter(&page);
            list->PaintList(painter);
        }
        for (const auto& t : page.texts())
            grazing = grazing || t.String.contains(QChar(0x00B1));
        found << PageOverflows(page, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    EXPECT_TRUE(grazing) << list->StringGrid1.RowCount() << " rows, "
                         << list->ScrollBar1->maximum();
    // The band's buttons at the band's size in each of the three orders, the filter on.
    list->lblSunNow->clicked();
    for (int order = 0; order < 3; ++order) {
        for (TClickLabel* b : list->findChildren<TClickLabel*>())
            if (b->isVisibleTo(list) && !b->text().isEmpty() &&
                b->font().pointSize() < canvas::ScreenPointSize(8))
                found << QStringLiteral("\"%1\" at %2 points, the band's are %3")
                             .arg(b->text())
                             .arg(b->font().pointSize())
                             .arg(canvas::ScreenPointSize(8));
        list->lblOrder->clicked();
    }
    EXPECT_TRUE(found.isEmpty()) << GetParam() << ":\n  "
                                 << found.mid(0, 20).join(QStringLiteral("\n  ")).toStdString();
}

// Decimals and the zone's caption in the language of the windows.
TEST_P(InEveryLanguage, NumbersAndZoneCaptionInTheLanguage) {
    const QString code = QLatin1String(GetParam());
    const bool comma = code != QLatin1String("en");
    Windows().Equinox->EquinoxesAndSolstices(2026);
    const QString length = Windows().Equinox->lblSpringDur->text();
    EXPECT_TRUE(length.startsWith(comma ? QStringLiteral("92,") : QStringLiteral("92.")))
        << length.toStdString();
    astro::DateTimeRec day;
    day.Day = 17;
    day.Month = 12;
    day.Year = 2026;
    Windows().DateInfo->ShowDateInfo(day);
    EXPECT_EQ(Windows().DateInfo->Label1->text(),
              comma ? QStringLiteral("2461391,5") : QStringLiteral("2461391.5"));
    if (code == QLatin1String("de")) {
        // An apsis distance, grouped as German writes it.
        EXPECT_EQ(ShownKilometres(405123), QStringLiteral("405.123 km"));
    }
    const bool tu = code == QLatin1String("fr") || code == QLatin1String("es");
    EXPECT_EQ(OffsetText(-210), tu ? QStringLiteral("TU-03:30") : QStringLiteral("UT-03:30"));
}

INSTANTIATE_TEST_SUITE_P(Languages, InEveryLanguage, ::testing::Values("en", "fr", "de", "es"),
                         [](const auto& info) { return std::string(info.param); });
