// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's creation, toolbar, activation, keys and surface.
#include "ui/main/fMain.h"

#include "data/Folders.h"
#include "platform/Platform.h"
#include "settings/ObserverSettings.h"
#include "settings/fConfiguration.h"
#include "settings/fPrintOptions.h"
#include "ui/Language.h"
#include "ui/LocalDateTime.h"
#include "ui/Windows.h"
#include "ui/main/Startup.h"
#include "ui/main/fAbout.h"
#include "ui/main/fCalendarLabels.h"
#include "ui/reports/fAltitudeGraph.h"
#include "ui/reports/fEclipse.h"
#include "ui/reports/fReportMenu.h"
#include "ui/reports/fTimesList.h"
#include "ui/reports/fWebMenu.h"
#include "ui/style/NightMode.h"
#include "ui/style/Style.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <iterator>

using namespace mainstyle;

namespace {

void ShowAndActivate(QWidget* window) {
    if (!window) return;
    window->show();
    window->raise();
    window->activateWindow();
}

// Ends a nested event loop when the watched window hides.
class THideWatcher : public QObject {
  public:
    explicit THideWatcher(QEventLoop& loop) : loop_(loop) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) loop_.quit();
        return false;
    }

  private:
    QEventLoop& loop_;
};

// Shows a window modally and returns when it has been hidden again.
template <typename Window> void ShowModally(Window* window) {
    if (!window) return;
    if constexpr (requires { window->ShowModal(); }) {
        window->ShowModal();
    } else {
        QEventLoop loop;
        THideWatcher watcher(loop);
        window->installEventFilter(&watcher);
        window->setWindowModality(Qt::ApplicationModal);
        ShowAndActivate(window);
        if (window->isVisible()) loop.exec();
        window->removeEventFilter(&watcher);
        window->setWindowModality(Qt::NonModal);
    }
}

// The times list rebuilds its table for a date before it is shown, once it can.
template <typename List> void PrepareTimesList(List* list, const astro::DateTimeRec& date) {
    if constexpr (requires { list->SetupDataBitmap(date); })
        if (list) list->SetupDataBitmap(date);
}

const QString ObservingSite = QStringLiteral("https://moon.nasa.gov/");

} // namespace

TMain::TMain(QWidget* parent) : TFrame(parent) {
    // 1. Table mode; the window's size.
    MoonParamsMode = true;
    setFixedSize(640, 480);
    setWindowTitle(QStringLiteral("Cresselle"));
    setFocusPolicy(Qt::StrongFocus);

    // 2. Icon and hint pause.
    setWindowIcon(startup::ApplicationIcon());
    startup::SetHintPause(2000);

    // 3-7. Fonts and colours are set where each control and canvas is made.
    LoadPictures();
    CreateToolbar();
    CreatePanel();
    CreateClock();

    // 5. No clock offset yet.
    ClockOffset = 0;

    // 8-11. Settings and the observer and zone derived from them, then the clock on that
    // zone's time, the version value; the other windows reach the state from here on.
    settingsstore::Load(ObserverSettings);
    State.ReadObserver(ObserverSettings);
    const QDateTime now = State.LocalNow();
    SetDateAndTime(SelectedDate, now);
    SelectedDate.Millisecond = static_cast<std::uint16_t>(now.time().msec());
    SelectedDate.Julian = astro::DateToJulian(SelectedDate);
    settingsstore::WriteVersion();
    SetSharedState(&State);
    connect(&State, &TAppState::settingsApplied, this, &TMain::SettingsApplied);
    connect(this, &TMain::selectedMonthChanged, &State, &TAppState::monthChanged);
    connect(&State, &TAppState::localTimeRequested, this, &TMain::SelectLocalTime);
    connect(&State, &TAppState::eclipseRequested, this, &TMain::ShowMonthEclipse);

    // 12. Binoculars first.
    OpticsView = 0;
    imgOptics->setPixmap(imgBinoculars);

    // 13. The calendar's labels and weekday names.
    CreateCalendar();
    CreateDateEntry();
}

TMain::~TMain() {
    if (SharedState() == &State) SetSharedState(nullptr);
}

void TMain::CreateToolbar() {
    addTitleLabel(QRect(264, 12, 113, 25));
    auto control = [this](const char* name, int x, int w, const QString& hint) {
        auto* label = new TClickLabel(this, QRect(x, 12, w, 25), hint);
        label->setObjectName(QString::fromLatin1(name));
        label->setCursor(Qt::PointingHandCursor);
        return label;
    };
    lblPrint = control("lblPrint", 18, 24, tr("Print Calendar for Month"));
    imgOptics = control("imgOptics", 44, 28,
                        tr("Switch between view as seen through Binoculars or a Telescope"));
    lblTimesList = control("lblTimesList", 76, 22,
                           tr("Display Moon/Sun Rise/Set times and Twilight times for month"));
    lblLinks = control("lblLinks", 100, 24, tr("Display links to Lunar Internet Sites"));
    lblClock = control("lblClock", 128, 26, tr("Change the time within Cresselle"));
    lblReports = control("lblReports", 158, 22, tr("Display menu showing Report options"));
    imgEclipse = control("imgEclipse", 182, 28,
                         tr("Display circumstances of Lunar Eclipse occurring this month"));
    imgEclipse->setPixmap(
        LoadPicture(QStringLiteral("eclipse_button.png"), QSize(28, 25), [](QPainter& p, QSize) {
            p.setRenderHint(QPainter::Antialiasing);
            p.setBrush(QColor(190, 70, 30));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QRect(7, 5, 15, 15));
        }));
    imgEclipse->hide();
    imgAltitudes =
        control("imgAltitudes", 212, 24, tr("Display tonight's Moon and Sun altitudes (G)"));
    imgAltitudes->setPixmap(
        LoadPicture(QStringLiteral("altitudes_button.png"), QSize(24, 25), [](QPainter& p, QSize) {
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(QColor(0, 255, 255), 1));
            p.drawLine(2, 19, 22, 19);
            p.setPen(QPen(QColor(255, 255, 176), 2));
            p.drawArc(QRect(3, 6, 18, 24), 20 * 16, 140 * 16);
        }));
    imgNightMode = control("imgNightMode", 238, 24, tr("Switch night mode on or off (N)"));
    imgNightMode->setPixmap(nightmode::TogglePicture());
    connect(imgNightMode, &TClickLabel::clicked, this, [] { nightmode::Toggle(); });
    connect(imgAltitudes, &TClickLabel::clicked, this, &TMain::imgAltitudesClick);
    Label1 =
        control("Label1", 446, 28, tr("Moon news and observing guides from NASA (moon.nasa.gov)"));
    lblConfig = control("lblConfig", 478, 28, tr("Change configuration parameters"));
    lblHelp = control("lblHelp", 510, 28, tr("Display online help"));
    lblAbout = control("lblAbout", 544, 28, tr("Display version information"));
    addMinimiseLabel(QRect(592, 14, 20, 20), MinimiseScope::Application, tr("Minimize Cresselle"));
    addExitLabel(QRect(614, 14, 20, 20), tr("Exit Cresselle"));
    // Tab and the arrows reach every toolbar picture, Enter or Space starts it.
    for (TClickLabel* button :
         {lblPrint, imgOptics, lblTimesList, lblLinks, lblClock, lblReports, imgEclipse, Label1,
          lblConfig, lblHelp, lblAbout, lblMinimise, lblExit})
        button->setKeyboardButton(Qt::Horizontal);

    connect(lblPrint, &TClickLabel::clicked, this, &TMain::lblPrintClick);
    connect(imgOptics, &TClickLabel::clicked, this, &TMain::imgOpticsClick);
    connect(lblTimesList, &TClickLabel::clicked, this, &TMain::lblTimesListClick);
    connect(lblLinks, &TClickLabel::clicked, this, &TMain::lblLinksClick);
    connect(lblClock, &TClickLabel::clicked, this, &TMain::lblClockClick);
    connect(lblReports, &TClickLabel::clicked, this, &TMain::lblReportsClick);
    connect(imgEclipse, &TClickLabel::clicked, this, &TMain::imgEclipseClick);
    connect(Label1, &TClickLabel::clicked, this, &TMain::Label1Click);
    connect(lblConfig, &TClickLabel::clicked, this, &TMain::lblConfigClick);
    connect(lblHelp, &TClickLabel::clicked, this, &TMain::lblHelpClick);
    connect(lblAbout, &TClickLabel::clicked, this, &TMain::lblAboutClick);
}

void TMain::RefreshLatAndLong() {
    State.ReadPlace(ObserverSettings);
    ShowSelectedMonth();
}

void TMain::SettingsApplied() {
    // The zone's clock may be on another date: a new day starts from the new zone's date.
    LastSystemDay = State.Today();
    SetDayTitles(ObserverSettings.DayOrder);
    if ((ObserverSettings.LatDir == QLatin1String("South")) != PhaseIconsInverted)
        InvertPhaseIcons();
    ShowSelectedMonth();
}

void TMain::FormShow() {
    if (ObserverSettings.LatDir == QLatin1String("South") && !PhaseIconsInverted)
        InvertPhaseIcons();
    const QRect screen = screenArea(pos());
    move(screen.x() + (screen.width() - width()) / 2,
         screen.y() + (screen.height() - height()) / 2);
    // Activation may come late (or, without a window manager, not at all): the month and
    // the panel are shown at once rather than a second after the start.
    RefreshLatAndLong();
    Timer1->start();
    Timer1Timer();
    // The keys go to the calendar, not to the first toolbar picture.
    setFocus(Qt::OtherFocusReason);
    // What the start could not do or had to repair is said once, over the window.
    QTimer::singleShot(0, this, [this] {
        if (const QString notice = startup::TakeStartNotice(); !notice.isEmpty())
            platform::ShowMessage(this, notice);
        if (const QString notice = settingsstore::TakeNotice(); !notice.isEmpty())
            platform::ShowMessage(this, notice);
    });
}

void TMain::FormActivate() {
    RefreshLatAndLong();
}

void TMain::changeEvent(QEvent* event) {
    TFrame::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && isActiveWindow())
        FormActivate();
    if (event->type() == QEvent::WindowStateChange &&
        static_cast<QWindowStateChangeEvent*>(event)->oldState().testFlag(Qt::WindowMinimized) &&
        !isMinimized())
        RestoreOtherWindows();
}

void TMain::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The surface may hold more pixels than the window has points (display scaling).
    const QRectF area(event->rect());
    const qreal ratio = Canvas.devicePixelRatio();
    painter.drawPixmap(area, Canvas, QRectF(area.topLeft() * ratio, area.size() * ratio));
}

void TMain::RefreshArea(const QRect& area) {
    update(area);
}

// Page Up/Down: a month back or on; with Ctrl a year. Home: today and now.
bool TMain::NavigationKey(const QKeyEvent& event) {
    const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
    switch (event.key()) {
    case Qt::Key_PageUp:
        StepMonths(ctrl ? -12 : -1);
        return true;
    case Qt::Key_PageDown:
        StepMonths(ctrl ? 12 : 1);
        return true;
    case Qt::Key_Home:
        GoToToday();
        return true;
    default:
        return false;
    }
}

void TMain::keyPressEvent(QKeyEvent* event) {
    if (NavigationKey(*event) || CommandKey(*event)) return;
    if (event->key() == Qt::Key_G && event->modifiers() == Qt::NoModifier && !yearEntryOpen() &&
        !timeEditorOpen()) {
        imgAltitudesClick();
        return;
    }
    int key = 0;
    switch (event->key()) {
    case Qt::Key_Escape:
        key = 27;
        break;
    case Qt::Key_Backspace:
        key = 8;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        key = 13;
        break;
    default:
        if (!event->text().isEmpty()) key = event->text().at(0).unicode();
    }
    if (key == 0) {
        TFrame::keyPressEvent(event);
        return;
    }
    FormKeyPress(key);
}

// The wheel over the calendar turns the months: away from the user is back in time.
void TMain::wheelEvent(QWheelEvent* event) {
    const QRect calendar(400, 250, 240, 225);
    if (!calendar.contains(event->position().toPoint())) {
        TFrame::wheelEvent(event);
        return;
    }
    wheelRest_ += event->angleDelta().y();
    const int notches = wheelRest_ / QWheelEvent::DefaultDeltasPerStep;
    wheelRest_ -= notches * QWheelEvent::DefaultDeltasPerStep;
    if (notches != 0) StepMonths(-notches);
    event->accept();
}

// While the time editor is open a click anywhere else closes it.
bool TMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType() && timeEditorOpen()) {
        const QObject* editor[] = {imgTimeButton, lblHour,   lblMinute, lblSecond,
                                   lblColon1,     lblColon2, lblCursor};
        if (std::find(std::begin(editor), std::end(editor), watched) == std::end(editor))
            CancelTimeEditor();
    }
    return TFrame::eventFilter(watched, event);
}

// Restoring the main window brings back the windows minimised with it.
void TMain::RestoreOtherWindows() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && qobject_cast<TFrame*>(w) && w->isVisible() && w->isMinimized())
            w->showNormal();
}

void TMain::lblExitClick() {
    close();
}

void TMain::lblPrintClick() {
    ShowAndActivate(Windows().PrintOptions);
}

void TMain::lblTimesListClick() {
    PrepareTimesList(Windows().TimesList, SelectedDate);
    ShowAndActivate(Windows().TimesList);
}

void TMain::lblLinksClick() {
    ShowAndActivate(Windows().WebMenu);
}

void TMain::lblReportsClick() {
    ShowAndActivate(Windows().ReportMenu);
}

void TMain::imgEclipseClick() {
    if (EclipseRecord.Kind != astro::NoEclipse) ShowAndActivate(Windows().Eclipse);
}

void TMain::imgAltitudesClick() {
    OpenAltitudeGraph(SelectedDate);
}

void TMain::Label1Click() {
    platform::OpenOrOffer(this, QUrl(ObservingSite));
}

void TMain::lblConfigClick() {
    // Closing the window applies the settings (TAppState::settingsApplied).
    ShowModally(Windows().Configuration);
}

void TMain::lblHelpClick() {
    // The page in the program's language where there is one.
    QString path = QDir::current().absoluteFilePath(language::HelpPage(QDir::currentPath()));
    // Without a working folder, the shipped page.
    if (!folders::WorkingFolderProblem().isEmpty() && !QFileInfo::exists(path) &&
        !startup::ShippedRuntimeFolder().isEmpty()) {
        const QString shipped = startup::ShippedRuntimeFolder();
        path = QDir(shipped).absoluteFilePath(language::HelpPage(shipped));
    }

    platform::OpenOrOffer(this, QUrl::fromLocalFile(path));
}

void TMain::lblAboutClick() {
    ShowAndActivate(Windows().About);
}
