#include "date_picker.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyleHints>
#include <QWindow>

#include <algorithm>

#include "month_calendar.h"
#include "platform/regional_settings_qt.h"

namespace pecunor {

namespace {

constexpr QSize popupSize(194, 148);
// The buttons keep the year within these; the arrow keys reach the whole date range.
constexpr int firstButtonYear = 1;
constexpr int lastButtonYear = 3000;

QFont pickerFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace

TfrmCal::TfrmCal(const RegionalSettings& regional, std::function<DayNumber()> today, QWidget* parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint),
      dateFormat(sheetDateFormat(regional.shortDateFormat), regional.dateSeparator),
      regional(regional),
      todayProvider(std::move(today)),
      panMain(new QFrame(this)),
      lblDate(new QLabel(panMain)),
      cal(new MonthCalendar(panMain))
{
    setObjectName(QStringLiteral("frmCal"));
    setAccessibleName(tr("Date Picker"));
    setFont(pickerFont(11, false));
    resize(popupSize);

    panMain->setObjectName(QStringLiteral("panMain"));
    panMain->setFrameStyle(QFrame::Box | QFrame::Plain);
    panMain->setLineWidth(1);
    panMain->setGeometry(rect());

    lblDate->setObjectName(QStringLiteral("lblDate"));
    lblDate->setFont(pickerFont(12, true));
    lblDate->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblDate->setBackgroundRole(QPalette::Button);
    lblDate->setAutoFillBackground(true);
    // Inside the border line and the 2-pixel inner border.
    lblDate->setGeometry(panMain->rect().adjusted(3, 3, -3, -3));

    cal->setObjectName(QStringLiteral("cal"));
    // Day and month names in the language the dates are written in; Qt's system
    // locale takes the first LANGUAGE entry, the language of the texts, under C.UTF-8.
    cal->setLocale(platform::systemDateLocale());
    cal->setGeometry(4, 23, 182, 101);
    connect(cal, &MonthCalendar::dateChanged, this, &TfrmCal::calChange);
    connect(cal, &MonthCalendar::dayClicked, this, &TfrmCal::calClick);
    cal->installEventFilter(this);
    // The day's focus event at opening goes out before the calendar's own,
    // and the window system then hands the focus from the box's window to
    // the popup, which readers hear as the box's window becoming active:
    // the day is told once more when the popup has the focus.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](const QWindow* focused) {
        if (focused && focused == windowHandle())
            cal->announceDay();
    });

    btnYearBack = addButton("btnYearBack", QStringLiteral("<<"), tr("Year back"), {4, 124, 24, 17});
    btnMonthBack = addButton("btnMonthBack", QStringLiteral("<"), tr("Month back"), {28, 124, 25, 17});
    btnToday = addButton("btnToday", tr("&Today"), tr("Jump to Today"), {53, 124, 85, 17});
    btnMonthFore = addButton("btnMonthFore", QStringLiteral(">"), tr("Month foreward"), {138, 124, 25, 17});
    btnYearFore = addButton("btnYearFore", QStringLiteral(">>"), tr("Year foreward"), {163, 124, 24, 17});
}

QPushButton* TfrmCal::addButton(const char* name, const QString& caption, const QString& hint, QRect geometry)
{
    auto* button = new QPushButton(caption, panMain);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    // Read out by its meaning, not by its arrows.
    button->setAccessibleName(hint);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    button->setGeometry(geometry);
    connect(button, &QPushButton::clicked, this, [this, button] { btnTodayClick(button); });
    return button;
}

void TfrmCal::execute(QComboBox* box, QPoint origin)
{
    calendarLive = false;
    dateChosen = false;
    pickerTarget = box;

    const QScreen* screen = QGuiApplication::screenAt(origin);
    const QRect area = (screen ? screen : box->screen())->geometry();
    int x = origin.x();
    if (x + popupSize.width() > area.x() + area.width())
        x = area.x() + area.width() - popupSize.width();
    int y = origin.y() + box->height();
    if (y + popupSize.height() > area.y() + area.height())
        y = origin.y() - popupSize.height();

    const DayNumber today = todayProvider();
    pickedDate = civilDateOf(textToDateOr(box->currentText().toStdString(), false, today, regional, today));
    cal->setDate(pickedDate);
    calendarLive = true;
    calChange();

    setGeometry(QRect(QPoint(x, y), popupSize));
    show();
    cal->setFocus();
}

void TfrmCal::calChange()
{
    if (!calendarLive)
        return;
    pickedDate = cal->date();
    lblDate->setText(calendarDateText());
    if (dateChosen)
        returnDate();
}

QString TfrmCal::calendarDateText() const
{
    const CivilDate date = cal->date();
    return QString::fromStdString(dateFormat.format(*dayNumberOf(date.year, date.month, date.day)));
}

void TfrmCal::calClick()
{
    dateChosen = true;
    doubleClickEnds.setRemainingTime(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    doubleClickPressEaten = false;
    qApp->installEventFilter(this);
    calChange();
}

bool TfrmCal::swallowsDoubleClick(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    if (!press && type != QEvent::MouseButtonRelease)
        return false;
    if (watched == cal || !watched->isWidgetType())
        return false;
    if (press && !doubleClickEnds.hasExpired()) {
        doubleClickPressEaten = true;
        return true;
    }
    // The release that ends an eaten press goes with it.
    if (!press && doubleClickPressEaten) {
        doubleClickPressEaten = false;
        return true;
    }
    if (doubleClickEnds.hasExpired())
        qApp->removeEventFilter(this);
    return false;
}

void TfrmCal::returnDate()
{
    if (!dateChosen)
        return;
    if (pickerTarget) {
        const QSignalBlocker quiet(pickerTarget);
        pickerTarget->setEditText(calendarDateText());
        // Shown from its first character: a narrow box keeps the month, not the year.
        if (QLineEdit* field = pickerTarget->lineEdit())
            field->setCursorPosition(0);
    }
    hide();
    if (pickerTarget && onDateChosen)
        onDateChosen();
}

void TfrmCal::checkDate()
{
    // Month and year steps keep the day; a shorter month ends it at its last day.
    pickedDate.day = std::min(pickedDate.day, monthLength(pickedDate.year, pickedDate.month));
    calendarLive = false;
    cal->setDate(pickedDate);
    calendarLive = true;
    calChange();
}

void TfrmCal::btnTodayClick(QPushButton* sender)
{
    CivilDate& date = pickedDate;
    if (sender == btnToday) {
        date = civilDateOf(todayProvider());
    } else if (sender == btnYearBack) {
        if (date.year > firstButtonYear)
            --date.year;
    } else if (sender == btnMonthBack) {
        if (date.year > firstButtonYear) {
            if (date.month == 1) {
                date.month = 12;
                --date.year;
            } else {
                --date.month;
            }
        }
    } else if (sender == btnMonthFore) {
        if (date.year < lastButtonYear) {
            if (date.month == 12) {
                date.month = 1;
                ++date.year;
            } else {
                ++date.month;
            }
        }
    } else if (sender == btnYearFore) {
        if (date.year < lastButtonYear)
            ++date.year;
    }
    checkDate();
    cal->setFocus();
}

void TfrmCal::stepDays(int days)
{
    const DayNumber from = *dayNumberOf(pickedDate.year, pickedDate.month, pickedDate.day);
    // The ends of the date range hold: a step past them stays on the last day there is.
    pickedDate = civilDateOf(std::clamp(from + days, firstDayNumber, lastDayNumber));
    checkDate();
}

void TfrmCal::FormKeyDown(QKeyEvent* event)
{
    event->accept();
    switch (event->key()) {
    case Qt::Key_Escape: hide(); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        dateChosen = true;
        returnDate();
        break;
    case Qt::Key_Home: btnTodayClick(btnToday); break;
    // With Ctrl a year, as the outer buttons step.
    case Qt::Key_PageUp: btnTodayClick(event->modifiers() & Qt::ControlModifier ? btnYearBack : btnMonthBack); break;
    case Qt::Key_PageDown: btnTodayClick(event->modifiers() & Qt::ControlModifier ? btnYearFore : btnMonthFore); break;
    case Qt::Key_Left: stepDays(-1); break;
    case Qt::Key_Right: stepDays(1); break;
    case Qt::Key_Up: stepDays(-7); break;
    case Qt::Key_Down: stepDays(7); break;
    default: break;
    }
}

void TfrmCal::FormDeactivate() { hide(); }

bool TfrmCal::event(QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::event(event);
    FormKeyDown(static_cast<QKeyEvent*>(event));
    return true;
}

// While the popup is open it receives every mouse press, also those outside it.
void TfrmCal::mousePressEvent(QMouseEvent* event)
{
    if (rect().contains(event->position().toPoint()))
        event->accept();
    else
        FormDeactivate();
}

// Keys reach the window's own handling before the calendar could act on them.
bool TfrmCal::eventFilter(QObject* watched, QEvent* event)
{
    if (swallowsDoubleClick(watched, event))
        return true;
    if (watched == cal && event->type() == QEvent::KeyPress) {
        FormKeyDown(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace pecunor
