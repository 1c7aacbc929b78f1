#include "frm_calc.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>

#include "engine/calc_chart.h"
#include "engine/method_input_table.h"
#include "font_record_qt.h"
#include "help_viewer.h"
#include "platform/ui_language.h"
#include "platform/wait_cursor.h"
#include "platform/window_system.h"
#include "product/product_constants.h"
#include "result_grid_accessible.h"
#include "utf8_text.h"
#include "window_layout.h"

namespace pecunor {

namespace {

constexpr int rowMethod = 0;
constexpr int firstValueRow = 4;

}  // namespace

TfrmCalc::TfrmCalc(AppSettings& settings, RegionalSettings regional, WindowServices services)
    : settings_(settings),
      regional_(std::move(regional)),
      texts_(platform::interfaceCatalog()),
      services_(std::move(services))
{
    setObjectName(QStringLiteral("frmCalc"));
    platform::installFontSubstitutes();
    installAccessibility();
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPixelSize(12);
    setFont(windowFont);
    setCentralWidget(new QWidget(this));
    createInputPanel();
    createResultPages();
    createMenu();
    setTabOrder();
    connectInputs();
    qApp->installEventFilter(this);
    FormCreate();
}

TfrmCalc::~TfrmCalc()
{
    qApp->removeEventFilter(this);
    // Closing the window as its base class goes moves the focus: no handler
    // of this half-destroyed window may run for it.
    disconnect(qApp, nullptr, this, nullptr);
}

void TfrmCalc::createInputPanel()
{
    QWidget* client = centralWidget();
    tabLeft = new InputPanel(client);
    tabLeft->setObjectName(QStringLiteral("tabLeft"));
    tabLeft->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);

    auto label = [this](const char* name, const QString& caption) {
        auto* created = new QLabel(caption, tabLeft);
        created->setObjectName(QLatin1String(name));
        created->installEventFilter(this);
        return created;
    };
    auto list = [this](const char* name, auto texts) {
        auto* box = new QComboBox(tabLeft);
        box->setObjectName(QLatin1String(name));
        for (std::string_view text : texts)
            box->addItem(fromView(text));
        return box;
    };

    std::array<std::string_view, methodCount> methods{};
    for (int m = 0; m < methodCount; ++m)
        methods[static_cast<std::size_t>(m)] = methodListText(*methodFromIndex(m), texts_);
    std::array<std::string_view, periodUnitCount> units{};
    std::array<std::string_view, periodUnitCount> perUnits{};
    for (int u = 0; u < periodUnitCount; ++u) {
        units[static_cast<std::size_t>(u)] = periodUnitText(*periodUnitFromIndex(u), texts_);
        perUnits[static_cast<std::size_t>(u)] = interestPerText(*periodUnitFromIndex(u), texts_);
    }
    const InputCaptions& captions = texts_.inputCaptions;

    lblMethod = label("lblMethod", fromView(captions.method));
    cboMethod = list("cboMethod", methods);
    cboMethod->setMaxVisibleItems(methodCount);
    lblStartDate = label("lblStartDate", fromView(captions.startDate));
    cboStartDate = new StartDateBox(tabLeft);
    cboStartDate->setObjectName(QStringLiteral("cboStartDate"));
    // Its text field is a widget of its own, which readers would find unnamed.
    cboStartDate->lineEdit()->setAccessibleName(fromView(captions.startDate).remove(QLatin1Char('&')));
    cboStartDate->onDropDown = [this] {
        if (services_.openDatePicker)
            services_.openDatePicker(cboStartDate, cboStartDate->mapToGlobal(QPoint(0, 0)));
    };
    lblPeriodsAre = label("lblPeriodsAre", fromView(captions.periodsAre));
    cboPeriodsAre = list("cboPeriodsAre", units);
    lblPaymentsDue = label("lblPaymentsDue", fromView(captions.paymentsDue));
    cboPaymentsDue = list("cboPaymentsDue", std::array{paymentTimingText(PaymentTiming::StartOfPeriod, texts_),
                                                       paymentTimingText(PaymentTiming::EndOfPeriod, texts_)});
    for (int i = 0; i < 4; ++i) {
        const QByteArray suffix = QByteArray::number(i + 1);
        lblValue[static_cast<std::size_t>(i)] = label(("lblValue" + suffix).constData(), QString());
        auto* edit = new QLineEdit(tabLeft);
        edit->setObjectName(QString::fromLatin1("txtValue" + suffix));
        edit->setValidator(new NoBarValidator(edit));
        edit->setMaxLength(valueFieldLength);
        txtValue[static_cast<std::size_t>(i)] = edit;
    }
    cboInterestPer = list("cboInterestPer", perUnits);
    lblInterestPer = label("lblInterestPer", QString());
    lblInterestPer->setBuddy(cboInterestPer);
    lblInterestPer->hide();

    lblMethod->setBuddy(cboMethod);
    lblStartDate->setBuddy(cboStartDate);
    lblPeriodsAre->setBuddy(cboPeriodsAre);
    lblPaymentsDue->setBuddy(cboPaymentsDue);
    for (int i = 0; i < 4; ++i)
        lblValue[static_cast<std::size_t>(i)]->setBuddy(txtValue[static_cast<std::size_t>(i)]);
    cboStartDate->resize(cboStartDate->sizeHint());

    panDiv = new SplitterBar(client);
    panDiv->setObjectName(QStringLiteral("panDiv"));
    panDiv->setAccessibleName(tr("Splitter"));
    panDiv->onPress = [this] { panDivMouseDown(); };
    panDiv->onDrag = [this](int dx) { panDivMouseMove(dx); };
    panDiv->onRelease = [this] { panDivMouseUp(); };
}

void TfrmCalc::createResultPages()
{
    pagRight = new QTabWidget(centralWidget());
    pagRight->setObjectName(QStringLiteral("pagRight"));
    pagRight->setAccessibleName(tr("Result Pages"));
    tabCalc = new QWidget;
    tabCalc->setObjectName(QStringLiteral("tabCalc"));
    tabExplain = new QWidget;
    tabExplain->setObjectName(QStringLiteral("tabExplain"));
    pagRight->addTab(tabCalc, tr("&Calculator"));
    pagRight->addTab(tabExplain, tr("E&xplanation"));
    pagRight->setCurrentWidget(tabExplain);

    lblError = new QLabel(fromView(texts_.invalidInput), tabCalc);
    lblError->setObjectName(QStringLiteral("lblError"));
    lblError->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblError->setWordWrap(true);
    lblError->hide();
    lblLeft = new SummaryCaptions(tabCalc);
    lblLeft->setObjectName(QStringLiteral("lblLeft"));
    lblLeft->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblRight = new SummaryValues(tabCalc);
    lblRight->setObjectName(QStringLiteral("lblRight"));
    lblRight->setAlignment(Qt::AlignRight | Qt::AlignTop);
    sgrFin = new ResultGrid(tabCalc);
    sgrFin->setAccessibleName(tr("Result Table"));
    lblLeft->setAccessibleName(tr("Summary"));
    // Named, the values send readers no name change with each new text.
    lblRight->setAccessibleName(lblLeft->accessibleName());
    lblLeft->hide();
    lblRight->hide();
    sgrFin->hide();

    rtfExplain = new QTextBrowser(tabExplain);
    rtfExplain->setObjectName(QStringLiteral("rtfExplain"));
    rtfExplain->setAccessibleName(tr("Explanation"));
    rtfExplain->setReadOnly(true);
    rtfExplain->setOpenLinks(false);
    rtfExplain->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The documents' teal titles and grey table lines are drawn for paper.
    setPaperColours(*rtfExplain);
    makeReadingPage(*rtfExplain);
    auto* fill = new QVBoxLayout(tabExplain);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(rtfExplain);
}

void TfrmCalc::connectInputs()
{
    connect(cboMethod, &QComboBox::currentIndexChanged, this, [this] { cboMethodChange(); });
    connect(cboStartDate, &QComboBox::editTextChanged, this, [this] { txtValue1Change(cboStartDate); });
    for (QComboBox* box : {cboPeriodsAre, cboPaymentsDue, cboInterestPer})
        connect(box, &QComboBox::currentIndexChanged, this, [this, box] { txtValue1Change(box); });
    for (QLineEdit* edit : txtValue)
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { txtValue1Change(edit); });
    connect(pagRight, &QTabWidget::currentChanged, this, [this] {
        if (pagRight->currentWidget() == tabExplain)
            loadExplanation();
    });
    for (QAction* item : {mnuHorGridlines, mnuVerGridlines, mnuStretched, mnuHideAbout, mnuChartFont})
        connect(item, &QAction::triggered, this, [this, item] { setupChanged(item); });
    auto* fileMenu = menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile"));
    connect(fileMenu, &QMenu::triggered, this, &TfrmCalc::mnuFileClick);
    connect(fileMenu, &QMenu::aboutToShow, this, [this, fileMenu] { mnuFileClick(fileMenu->menuAction()); });
    connectEditMenu();
    connect(mnuHelpContents, &QAction::triggered, this, [this] { mnuHelpContentsClick(); });
    connect(mnuAbout, &QAction::triggered, this, [this] {
        if (services_.showAbout)
            services_.showAbout(this);
    });
    connect(mnuProducts, &QAction::triggered, this, [this] {
        if (services_.showProducts)
            services_.showProducts();
    });
    connect(mnuCopyProgram, &QAction::triggered, this, [this] {
        if (services_.copyProgram)
            services_.copyProgram(this);
    });
}

void TfrmCalc::setTabOrder()
{
    QWidget* previous = cboMethod;
    for (QWidget* next :
         std::initializer_list<QWidget*>{cboStartDate, cboPeriodsAre, cboPaymentsDue, txtValue[0], txtValue[1],
                                         cboInterestPer, txtValue[2], txtValue[3], pagRight}) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

void TfrmCalc::FormCreate()
{
    formStarting_ = true;
    inputsReady_ = false;
    setWindowTitle(fromView(Product.ProductName));
    const QRect placed =
        placeOnScreens(storedWindowRectangle(settings_.Left, settings_.Top, settings_.Right, settings_.Bottom),
                       platform::screenAreas());
    move(placed.topLeft());
    resize(placed.size());
    // A window too short for the rows scrolls them, the focused one into view.
    scrLeft = new QScrollArea(centralWidget());
    scrLeft->setObjectName(QStringLiteral("scrLeft"));
    scrLeft->setFrameShape(QFrame::NoFrame);
    scrLeft->setFocusPolicy(Qt::NoFocus);
    scrLeft->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrLeft->setWidget(tabLeft);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && tabLeft->isAncestorOf(now))
            scrLeft->ensureWidgetVisible(now);
        describeInput(now);
    });
    iniSettings();
    mnuHorGridlines->setChecked(settings_.HorGridlines);
    mnuVerGridlines->setChecked(settings_.VerGridlines);
    mnuStretched->setChecked(settings_.Stretched);
    mnuHideAbout->setChecked(settings_.HideAbout);
    cboMethod->setFocus();
}

void TfrmCalc::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TfrmCalc::FormShow()
{
    inputsReady_ = true;
    placeWindow(size());
    {
        const QSignalBlocker quiet(cboMethod);
        cboMethod->setCurrentIndex(settings_.Page < methodCount ? settings_.Page : 0);
    }
    cboMethodChange();
    prepEdits(this);
    formStarting_ = false;
    FormResize();
    fitFirstSheet();
}

void TfrmCalc::closeEvent(QCloseEvent* event)
{
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

void TfrmCalc::recordNormalRectangle()
{
    if (isMinimized() || isMaximized())
        return;
    const QRect stored = storedWindowRectangle(settings_.Left, settings_.Top, settings_.Right, settings_.Bottom);
    const QRect kept = rectangleToStore(stored, frameGeometry().topLeft(), size(), platform::windowPositionsKnown());
    settings_.Left = kept.left();
    settings_.Top = kept.top();
    settings_.Right = kept.left() + kept.width();
    settings_.Bottom = kept.top() + kept.height();
}

bool TfrmCalc::FormClose()
{
    const std::optional<SaveResult> saved = storeSettings();
    if (!saved || saved->succeeded())
        return true;
    // Keeping the window open is the safe answer, but a folder that cannot be
    // written must not keep the program from ever ending.
    const QString question = tr("%1\n\nClose without saving the settings?").arg(saved->message());
    return services_.ask && services_.ask(this, question);
}

std::optional<SaveResult> TfrmCalc::storeSettings()
{
    recordNormalRectangle();
    settings_.WindowState = isMinimized() ? 1 : (isMaximized() ? 2 : 0);
    settings_.Page = static_cast<std::uint8_t>(std::max(cboMethod->currentIndex(), 0));
    settings_.DivLeft =
        static_cast<std::uint8_t>(std::clamp(splitterPercent(splitterLeft_, frameGeometry().width()), 0, 100));
    if (services_.uninstalledWhileRunning && services_.uninstalledWhileRunning())
        return std::nullopt;
    return services_.saveSettings(settings_);
}

CalcMethod TfrmCalc::currentMethod() const
{
    return methodFromIndex(cboMethod->currentIndex()).value_or(CalcMethod::FutureValue);
}

void TfrmCalc::cboMethodChange()
{
    if (!inputsReady_)
        return;
    inputsReady_ = false;
    settings_.Page = static_cast<std::uint8_t>(std::max(cboMethod->currentIndex(), 0));
    restoreMethodInputs(currentMethod());
    inputsReady_ = true;
    lblLeft->hide();
    lblRight->hide();
    sgrFin->hide();
    prepEdits(cboMethod);
    calcChart();
    if (pagRight->currentWidget() == tabExplain)
        loadExplanation();
}

void TfrmCalc::restoreMethodInputs(CalcMethod method)
{
    const MethodInput& stored = settings_.MethodInputs.slot(method);
    const bool dateInRange = stored.startDate >= firstDayNumber && stored.startDate <= lastDayNumber;
    // Texts the window puts in show from their first character, as typed ones began.
    cboStartDate->setEditText(
        dateInRange ? QString::fromStdString(editableDateText(stored.startDate, regional_, services_.today()))
                    : QString());
    cboStartDate->lineEdit()->setCursorPosition(0);
    cboPeriodsAre->setCurrentIndex(periodUnitFromIndex(stored.periodUnit) ? stored.periodUnit : 0);
    cboPaymentsDue->setCurrentIndex(paymentTimingFromIndex(stored.paymentTiming) ? stored.paymentTiming : 0);
    for (std::size_t i = 0; i < txtValue.size(); ++i) {
        // The longest length first, so that restoring never cuts a text.
        txtValue[i]->setMaxLength(valueFieldLength);
        txtValue[i]->setText(QString::fromStdString(stored.valueTexts[i]));
        txtValue[i]->setCursorPosition(0);
    }
    cboInterestPer->setCurrentIndex(periodUnitFromIndex(stored.interestPer) ? stored.interestPer : 0);
}

void TfrmCalc::txtValue1Change(QObject* sender)
{
    if (!inputsReady_)
        return;
    prepEdits(sender);
    calcChart();
}

void TfrmCalc::prepEdits(QObject* caller)
{
    inputsReady_ = false;
    const PeriodUnit unit = periodUnitFromIndex(cboPeriodsAre->currentIndex()).value_or(PeriodUnit::Years);
    const CalcMethod method = currentMethod();
    const MethodInputRow& row = methodInputRow(method);
    for (int i = 0; i < 4; ++i)
        lblValue[static_cast<std::size_t>(i)]->setText(QString::fromStdString(valueLabel(method, i + 1, unit, texts_)));
    // The unit box has no label of its own: readers take its name from the
    // rate's row through a label they alone see.
    lblInterestPer->setText(tr("%1 per").arg(lblValue[1]->text()));

    if (caller == this || caller == cboMethod) {
        for (QWidget* child : tabLeft->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child != lblMethod && child != cboMethod)
                child->hide();
        const InputPanelPlacement placement =
            placeInputPanel(row, scrLeft->size(), QFontMetrics(font()).height(), cboStartDate->height(),
                            scrLeft->verticalScrollBar()->sizeHint().width());
        tabLeft->resize(placement.panel);
        for (int i = 0; i < inputRowCount; ++i) {
            const InputRowPlacement& where = placement.rows[static_cast<std::size_t>(i)];
            rowLabel(i)->setGeometry(where.label);
            rowControl(i)->setGeometry(where.control);
            rowLabel(i)->setVisible(where.visible);
            rowControl(i)->setVisible(where.visible);
        }
        if (placement.interestPer) {
            cboInterestPer->setGeometry(*placement.interestPer);
            cboInterestPer->show();
        }
    }

    for (int i = 0; i < 4; ++i) {
        QLineEdit* field = txtValue[static_cast<std::size_t>(i)];
        const int length = valueFieldMaxLength(method, i + 1);
        // A new length resets the field's cursor, selection and undo steps:
        // set only when it changes, and the cursor kept where it was.
        if (field->maxLength() == length)
            continue;
        const int cursor = field->cursorPosition();
        field->setMaxLength(length);
        field->setCursorPosition(cursor);
    }
    inputsReady_ = true;
}

QLabel* TfrmCalc::rowLabel(int row) const
{
    switch (row) {
    case 0: return lblMethod;
    case 1: return lblStartDate;
    case 2: return lblPeriodsAre;
    case 3: return lblPaymentsDue;
    default: return lblValue.at(static_cast<std::size_t>(row - firstValueRow));
    }
}

QWidget* TfrmCalc::rowControl(int row) const
{
    switch (row) {
    case 0: return cboMethod;
    case 1: return cboStartDate;
    case 2: return cboPeriodsAre;
    case 3: return cboPaymentsDue;
    default: return txtValue.at(static_cast<std::size_t>(row - firstValueRow));
    }
}

CalcRequest TfrmCalc::requestFromControls() const
{
    CalcRequest request;
    request.method = currentMethod();
    request.startDateText = cboStartDate->currentText().toStdString();
    request.periodUnit = periodUnitFromIndex(cboPeriodsAre->currentIndex()).value_or(PeriodUnit::Years);
    request.paymentTiming =
        paymentTimingFromIndex(cboPaymentsDue->currentIndex()).value_or(PaymentTiming::StartOfPeriod);
    for (std::size_t i = 0; i < txtValue.size(); ++i)
        request.valueTexts[i] = txtValue[i]->text().toStdString();
    request.interestPer = periodUnitFromIndex(cboInterestPer->currentIndex()).value_or(PeriodUnit::Years);
    return request;
}

void TfrmCalc::calcChart()
{
    if (!inputsReady_)
        return;
    ++calculationCount_;
    std::optional<ArithmeticFault> fault;
    {
        const platform::WaitCursor busy;
        ResultSheet sheet =
            pecunor::calcChart(requestFromControls(), services_.today(), regional_, settings_.MethodInputs, texts_);
        const bool valid = sheet.valid();
        fault = sheet.fault();
        if (valid) {
            // The summary is fitted to the page where the result is placed.
            sgrFin->setSheet(std::move(sheet));
        } else if (sheet.kind() == SheetKind::Ratio) {
            // The quotients empty their summary before checking the entries.
            lblLeft->clear();
            lblRight->clear();
        }
        showResult(valid);
    }
    if (fault)
        services_.showError(this, fromView(faultMessage(*fault, texts_)));
}

void TfrmCalc::showResult(bool succeeded)
{
    resultSucceeded_ = succeeded;
    placeResultArea();
}

void TfrmCalc::placeResultArea()
{
    if (!resultSucceeded_)
        return;
    const QSize page = tabCalc->size();
    if (*resultSucceeded_) {
        lblError->hide();
        fitSummaryLabels();
        const ResultPlacement place = placeResultAfterCalculation(page, lblLeft->size(), lblRight->size());
        lblLeft->move(place.summaryLabels);
        lblRight->move(place.summaryValues);
        sgrFin->setGeometry(place.table);
        lblLeft->show();
        lblRight->show();
        sgrFin->show();
        if (sgrFin->sheet().columnCount() > 1)
            sgrFin->remeasure();
        return;
    }
    lblLeft->hide();
    lblRight->hide();
    sgrFin->hide();
    // In a narrow page the message wraps rather than losing both ends.
    const QRect line = placeErrorLine(page, 0);
    lblError->setGeometry(placeErrorLine(page, std::max(lblError->heightForWidth(line.width()), 0)));
    lblError->show();
    describeInputsBy(lblError->text());
}

void TfrmCalc::applyTableFont()
{
    const QFont tableFont = fontFromRecord(settings_.TableFont);
    lblLeft->setFont(tableFont);
    lblRight->setFont(tableFont);
    lblLeft->adjustSize();
    lblRight->adjustSize();
}

void TfrmCalc::iniSettings()
{
    ResultGridOptions options = sgrFin->options();
    options.horGridlines = settings_.HorGridlines;
    options.verGridlines = settings_.VerGridlines;
    options.stretched = settings_.Stretched;
    options.font = settings_.TableFont;
    const DateFormat sheetDates(sheetDateFormat(regional_.shortDateFormat), regional_.dateSeparator);
    options.dateSample = QString::fromStdString(sheetDates.format(*dayNumberOf(2000, 10, 30)));
    sgrFin->setOptions(options);
    applyTableFont();
    FormResize();
}

void TfrmCalc::setupChanged(QAction* item)
{
    if (!inputsReady_) {
        if (item->isCheckable())
            item->setChecked(!item->isChecked());  // the click already flipped it
        return;
    }
    if (item == mnuChartFont) {
        if (const auto chosen = services_.chooseFont(this, fontFromRecord(settings_.TableFont))) {
            settings_.TableFont = recordFromChoice(settings_.TableFont, *chosen);
            applyTableFont();
        }
    }
    settings_.HorGridlines = mnuHorGridlines->isChecked();
    settings_.VerGridlines = mnuVerGridlines->isChecked();
    settings_.Stretched = mnuStretched->isChecked();
    settings_.HideAbout = mnuHideAbout->isChecked();
    iniSettings();
}

void TfrmCalc::loadExplanation()
{
    if (!services_.explanation)
        return;
    try {
        rtfExplain->setHtml(services_.explanation(currentMethod()));
    } catch (const std::exception& error) {
        services_.showError(this, QString::fromUtf8(error.what()));
    }
}

void TfrmCalc::mnuHelpContentsClick()
{
    if (services_.showHelp)
        services_.showHelp(this);
}

QSize TfrmCalc::clientSize() const { return centralWidget()->size(); }

}  // namespace pecunor
