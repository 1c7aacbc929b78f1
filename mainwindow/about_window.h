#pragma once

#include <QFrame>
#include <QLabel>
#include <QWidget>

namespace pecunor {

// A label that reports a left click (press and release over it), as the
// card's background, logo and link labels need.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The grey frame around the card: a raised outer bevel, a border and a
// lowered inner bevel, two pixels each.
class BevelPanel : public QFrame {
    Q_OBJECT

public:
    using QFrame::QFrame;

    static constexpr int bevelWidth = 2;
    static constexpr int borderWidth = 2;
    static constexpr int inset = 2 * bevelWidth + borderWidth;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Product name, version, copyright and the maker's contact data on a black,
// borderless card. The same window is the splash at start-up and the modal
// box of Help > About; it deletes itself when it closes.
class TfrmAbout : public QWidget {
    Q_OBJECT

public:
    static constexpr int clientWidth = 380;
    static constexpr int clientHeight = 247;

    explicit TfrmAbout(QWidget* parent = nullptr);

public slots:
    void closeDialog();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The three lines of the copyright label, from the product constants.
    static QString copyrightText();
    void FormCreate();
    void placeCaption(QLabel* caption, int top);
    void placeValue(QLabel* value, int top);
    void lblWWWDatClick();
    void lblEMailDatClick();

    BevelPanel* panAll;
    ClickLabel* lblAll;
    ClickLabel* imgOstrel;
    ClickLabel* lblCopyRight;
    QLabel* lblWWW;
    QLabel* lblEMail;
    QLabel* lblPhone;
    ClickLabel* lblWWWDat;
    ClickLabel* lblEMailDat;
    QLabel* lblPhoneDat;
};

// Help > About: returns when the box has closed.
void showModalAbout(QWidget* parent);

// Start-up: the card is on screen and painted when this returns, before the
// main window is built. Null once the card has closed.
TfrmAbout* showSplash();
// Closes the splash if it is still open.
void closeSplash();

}  // namespace pecunor
