#include "about_window.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>

#include <string_view>

#include "product/product_constants.h"
#include "url_opener.h"
#include "utf8_text.h"

namespace pecunor {

namespace {

// The open card, so that start-up can close its splash.
QPointer<TfrmAbout> frmAbout;

const QColor cardBlack(0, 0, 0);
const QColor textWhite(255, 255, 255);
const QColor linkYellow(255, 255, 0);
const QColor panelGrey(192, 192, 192);
const QColor bevelLight(255, 255, 255);
const QColor bevelShadow(128, 128, 128);

constexpr int logoTop = 15;
constexpr int captionRight = 159;
constexpr int valueLeft = 165;
constexpr int copyrightTop = 69;
constexpr int copyrightHeight = 72;

QFont cardFont(int pixelHeight, bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

template <typename Widget>
Widget* makeNamed(QWidget* parent, const char* name)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// Draws width rings of a frame edge: light on the top and left, dark on the
// bottom and right, from the outside in.
void drawBevel(QPainter& painter, QRect rect, int width, const QColor& topLeft, const QColor& bottomRight)
{
    for (int ring = 0; ring < width; ++ring) {
        painter.setPen(topLeft);
        painter.drawLine(rect.topLeft(), rect.topRight());
        painter.drawLine(rect.topLeft(), rect.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        painter.drawLine(rect.topRight(), rect.bottomRight());
        rect.adjust(1, 1, -1, -1);
    }
}

}  // namespace

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    // Taking the press makes the release come here too.
    if (event->button() == Qt::LeftButton)
        event->accept();
    else
        QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    else
        QLabel::mouseReleaseEvent(event);
}

void BevelPanel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), panelGrey);
    drawBevel(painter, rect(), bevelWidth, bevelLight, bevelShadow);
    const int innerStart = bevelWidth + borderWidth;
    drawBevel(painter, rect().adjusted(innerStart, innerStart, -innerStart, -innerStart), bevelWidth, bevelShadow,
              bevelLight);
}

TfrmAbout::TfrmAbout(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(fromView(Product.ProductName));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setFixedWidth(clientWidth);

    panAll = makeNamed<BevelPanel>(this, "panAll");
    panAll->setGeometry(0, 0, clientWidth, clientHeight);

    constexpr int inset = BevelPanel::inset;
    lblAll = makeNamed<ClickLabel>(panAll, "lblAll");
    lblAll->setGeometry(inset, inset, clientWidth - 2 * inset, clientHeight - 2 * inset);
    lblAll->setAutoFillBackground(true);
    QPalette black = lblAll->palette();
    black.setColor(QPalette::Window, cardBlack);
    lblAll->setPalette(black);

    imgOstrel = makeNamed<ClickLabel>(panAll, "imgOstrel");
    imgOstrel->setPixmap(QPixmap(QStringLiteral(":/images/ostrel_logo.png")));
    imgOstrel->adjustSize();
    imgOstrel->move(imgOstrel->x(), logoTop);

    lblCopyRight = makeNamed<ClickLabel>(panAll, "lblCopyRight");
    lblCopyRight->setGeometry(-1, copyrightTop, clientWidth + 1, copyrightHeight);
    lblCopyRight->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblCopyRight->setFont(cardFont(15, true));
    setTextColour(lblCopyRight, textWhite);

    lblWWW = makeNamed<QLabel>(panAll, "lblWWW");
    lblWWW->setText(tr("World Wide Web"));
    placeCaption(lblWWW, 129);
    lblEMail = makeNamed<QLabel>(panAll, "lblEMail");
    lblEMail->setText(tr("E-Mail"));
    placeCaption(lblEMail, 145);
    lblPhone = makeNamed<QLabel>(panAll, "lblPhone");
    lblPhone->setText(tr("Phone"));
    placeCaption(lblPhone, 161);

    lblWWWDat = makeNamed<ClickLabel>(panAll, "lblWWWDat");
    lblEMailDat = makeNamed<ClickLabel>(panAll, "lblEMailDat");
    lblPhoneDat = makeNamed<QLabel>(panAll, "lblPhoneDat");
    for (ClickLabel* link : {lblWWWDat, lblEMailDat}) {
        QFont font = cardFont(11, true);
        font.setUnderline(true);
        link->setFont(font);
        setTextColour(link, linkYellow);
        link->setCursor(Qt::UpArrowCursor);
    }
    lblPhoneDat->setFont(cardFont(11, true));
    setTextColour(lblPhoneDat, textWhite);

    connect(lblAll, &ClickLabel::clicked, this, &TfrmAbout::closeDialog);
    connect(imgOstrel, &ClickLabel::clicked, this, &TfrmAbout::closeDialog);
    connect(lblCopyRight, &ClickLabel::clicked, this, &TfrmAbout::closeDialog);
    connect(lblWWWDat, &ClickLabel::clicked, this, &TfrmAbout::lblWWWDatClick);
    connect(lblEMailDat, &ClickLabel::clicked, this, &TfrmAbout::lblEMailDatClick);

    FormCreate();
}

void TfrmAbout::FormCreate()
{
    imgOstrel->move(lblAll->x() + (lblAll->width() - imgOstrel->width()) / 2, imgOstrel->y());
    lblCopyRight->setText(copyrightText());
    lblWWWDat->setText(fromView(Product.MakerWebAddress));
    placeValue(lblWWWDat, 128);
    lblEMailDat->setText(fromView(Product.MakerSupportEmail));
    placeValue(lblEMailDat, 144);
    lblPhoneDat->setText(fromView(Product.MakerPhone));
    placeValue(lblPhoneDat, 161);
    setFixedHeight(clientHeight);
    if (const QScreen* screen = this->screen())
        move(screen->geometry().center() - rect().center());
    repaint();
}

QString TfrmAbout::copyrightText()
{
    //: %1 product, %2 version, %3 year, %4 maker
    return tr("%1\nVersion %2\nCopyright \u00A9 %3 %4")
        .arg(fromView(Product.ProductName), fromView(Product.ProductVersion), fromView(Product.ProductYear),
             fromView(Product.MakerName));
}

// Captions are as wide as their text, so a click beside one still lands on
// the card and closes it.
void TfrmAbout::placeCaption(QLabel* caption, int top)
{
    caption->setFont(cardFont(11, false));
    setTextColour(caption, textWhite);
    caption->setAlignment(Qt::AlignRight | Qt::AlignTop);
    caption->adjustSize();
    caption->move(captionRight - caption->width(), top);
}

void TfrmAbout::placeValue(QLabel* value, int top)
{
    value->adjustSize();
    value->move(valueLeft, top);
}

void TfrmAbout::closeDialog() { close(); }

void TfrmAbout::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: closeDialog(); break;
    default: QWidget::keyPressEvent(event);
    }
}

void TfrmAbout::lblWWWDatClick() { openExternalUrl(QUrl(lblWWWDat->text())); }

void TfrmAbout::lblEMailDatClick() { openExternalUrl(QUrl(QStringLiteral("mailto:") + lblEMailDat->text())); }

void showModalAbout(QWidget* parent)
{
    auto* about = new TfrmAbout(parent);
    frmAbout = about;
    about->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(about, &QObject::destroyed, &loop, &QEventLoop::quit);
    about->show();
    loop.exec(QEventLoop::DialogExec);
}

TfrmAbout* showSplash()
{
    frmAbout = new TfrmAbout;
    frmAbout->show();
    // Maps the window so that the repaint reaches the screen now, not after
    // the main window has been built.
    QCoreApplication::processEvents();
    if (frmAbout)
        frmAbout->repaint();
    return frmAbout;
}

void closeSplash()
{
    if (frmAbout)
        frmAbout->close();
}

}  // namespace pecunor
