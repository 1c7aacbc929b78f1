#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "mainwindow/about_window.h"
#include "mainwindow/url_opener.h"
#include "product/product_constants.h"

namespace pecunor {
namespace {

QString constant(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

TfrmAbout* openAboutWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* about = qobject_cast<TfrmAbout*>(widget); about && about->isVisible())
            return about;
    return nullptr;
}

bool deletedOnceIdle(const QPointer<TfrmAbout>& about)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return about.isNull();
}

class AboutWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedOpener = urlOpener();
        urlOpener() = [this](const QUrl& url) {
            openedUrls.push_back(url);
            cursorWhileOpening =
                QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : Qt::ArrowCursor;
            return true;
        };
        about = new TfrmAbout;
        about->show();
    }

    void TearDown() override
    {
        delete about;
        urlOpener() = savedOpener;
    }

    QLabel* label(const char* name) const { return about->findChild<QLabel*>(QLatin1String(name)); }

    // A click as the user makes it: on whatever control lies at that point.
    void clickAt(QPoint windowPoint, Qt::MouseButton button = Qt::LeftButton)
    {
        QWidget* target = about->childAt(windowPoint);
        ASSERT_NE(target, nullptr) << "nothing at " << windowPoint.x() << "," << windowPoint.y();
        QTest::mouseClick(target, button, {}, target->mapFrom(about, windowPoint));
    }

    QPoint centreOf(const char* name) const
    {
        const QLabel* control = label(name);
        return control->mapTo(about, control->rect().center());
    }

    QPointer<TfrmAbout> about;
    std::vector<QUrl> openedUrls;
    Qt::CursorShape cursorWhileOpening = Qt::ArrowCursor;

private:
    UrlOpener savedOpener;
};

TEST_F(AboutWindowTest, IsABorderlessCardOfTheFixedClientSize)
{
    EXPECT_EQ(about->objectName(), "frmAbout");
    EXPECT_TRUE(about->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(about->size(), QSize(380, 247));
    EXPECT_EQ(about->findChild<QWidget*>("panAll")->geometry(), QRect(0, 0, 380, 247));
    EXPECT_EQ(label("lblAll")->geometry(), QRect(6, 6, 368, 235));
    EXPECT_EQ(label("lblCopyRight")->geometry(), QRect(-1, 69, 381, 72));
}

TEST_F(AboutWindowTest, LogoIsCentredOverTheCardAtTop15)
{
    const QLabel* logo = label("imgOstrel");
    ASSERT_FALSE(logo->pixmap().isNull()) << "logo resource missing";
    EXPECT_EQ(logo->pixmap().size(), QSize(180, 50));
    EXPECT_EQ(logo->geometry(), QRect(6 + (368 - 180) / 2, 15, 180, 50));
}

TEST_F(AboutWindowTest, ContactRowsLineUpAtCaptionEndAndValueStart)
{
    struct Row {
        const char* caption;
        const char* captionText;
        int captionTop;
        const char* value;
        int valueTop;
    };
    const Row rows[] = {
        {"lblWWW", "World Wide Web", 129, "lblWWWDat", 128},
        {"lblEMail", "E-Mail", 145, "lblEMailDat", 144},
        {"lblPhone", "Phone", 161, "lblPhoneDat", 161},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.caption);
        const QLabel* caption = label(row.caption);
        EXPECT_EQ(caption->text(), row.captionText);
        EXPECT_EQ(caption->x() + caption->width(), 159);
        EXPECT_EQ(caption->y(), row.captionTop);
        EXPECT_GE(caption->width(), caption->fontMetrics().horizontalAdvance(caption->text()));
        const QLabel* value = label(row.value);
        EXPECT_EQ(value->pos(), QPoint(165, row.valueTop));
        EXPECT_GE(value->width(), value->fontMetrics().horizontalAdvance(value->text()));
    }
}

TEST_F(AboutWindowTest, ShowsCopyrightAndContactsFromTheProductConstants)
{
    EXPECT_EQ(label("lblCopyRight")->text(),
              QString::fromUtf8("Ostrel Pecunor 97\nVersion 1.02\nCopyright © 1997 Brackwell"));
    EXPECT_EQ(label("lblWWWDat")->text(), constant(Product.MakerWebAddress));
    EXPECT_EQ(label("lblEMailDat")->text(), constant(Product.MakerSupportEmail));
    EXPECT_EQ(label("lblPhoneDat")->text(), constant(Product.MakerPhone));
}

TEST_F(AboutWindowTest, FontsAndLinkLook)
{
    const QFont copyright = label("lblCopyRight")->font();
    EXPECT_EQ(copyright.pixelSize(), 15);
    EXPECT_TRUE(copyright.bold());
    EXPECT_EQ(label("lblWWW")->font().pixelSize(), 11);
    EXPECT_FALSE(label("lblWWW")->font().bold());
    for (const char* name : {"lblWWWDat", "lblEMailDat"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(label(name)->font().underline());
        EXPECT_TRUE(label(name)->font().bold());
        EXPECT_EQ(label(name)->cursor().shape(), Qt::UpArrowCursor);
    }
    EXPECT_FALSE(label("lblPhoneDat")->font().underline());
    EXPECT_NE(label("lblPhoneDat")->cursor().shape(), Qt::UpArrowCursor);
}

// What reaches the screen: the bevelled grey frame, the black card, a gold
// logo, yellow links and a white phone number.
TEST_F(AboutWindowTest, PaintsTheCardColours)
{
    const QImage card = about->grab().toImage();
    const auto colourAt = [&](QPoint point) { return QColor(card.pixel(point)); };
    EXPECT_EQ(colourAt({0, 100}), QColor(255, 255, 255)) << "outer bevel light edge";
    EXPECT_EQ(colourAt({379, 100}), QColor(128, 128, 128)) << "outer bevel dark edge";
    EXPECT_EQ(colourAt({3, 100}), QColor(192, 192, 192)) << "grey border";
    EXPECT_EQ(colourAt({5, 100}), QColor(128, 128, 128)) << "inner bevel lowered";
    EXPECT_EQ(colourAt({20, 220}), QColor(0, 0, 0)) << "card background";

    const auto countPixels = [&](const char* name, auto predicate) {
        const QRect area = label(name)->geometry();
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += predicate(colourAt({x, y})) ? 1 : 0;
        return count;
    };
    const auto yellow = [](QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() < 60; };
    const auto white = [](QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() > 200; };
    const auto gold = [](QColor c) { return c.red() > 150 && c.blue() < 120 && c.red() > c.blue() + 60; };
    EXPECT_GT(countPixels("lblWWWDat", yellow), 20);
    EXPECT_GT(countPixels("lblEMailDat", yellow), 20);
    EXPECT_EQ(countPixels("lblPhoneDat", yellow), 0);
    EXPECT_GT(countPixels("lblPhoneDat", white), 20);
    EXPECT_GT(countPixels("lblCopyRight", white), 100);
    EXPECT_GT(countPixels("imgOstrel", gold), 200);
}

TEST_F(AboutWindowTest, EnterAndEscapeCloseOtherKeysDoNot)
{
    struct Case {
        const char* name;
        Qt::Key key;
        bool closes;
    };
    const Case cases[] = {
        {"Enter", Qt::Key_Return, true}, {"keypad Enter", Qt::Key_Enter, true}, {"Esc", Qt::Key_Escape, true},
        {"Space", Qt::Key_Space, false}, {"letter", Qt::Key_A, false},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        delete about;
        about = new TfrmAbout;
        about->show();
        QTest::keyClick(about, test.key);
        EXPECT_EQ(about->isVisible(), !test.closes);
        EXPECT_EQ(deletedOnceIdle(about), test.closes);
    }
}

TEST_F(AboutWindowTest, ClosesOnClicksOnTheCardButNotOnContactsOrFrame)
{
    struct Case {
        const char* name;
        QPoint point;
        bool closes;
    };
    const std::vector<Case> cases = {
        {"background below the contacts", {190, 220}, true},
        {"background left of the captions", {12, 150}, true},
        {"logo", centreOf("imgOstrel"), true},
        {"copyright", {190, 80}, true},
        {"phone value", centreOf("lblPhoneDat"), false},
        {"web caption", centreOf("lblWWW"), false},
        {"e-mail caption", centreOf("lblEMail"), false},
        {"phone caption", centreOf("lblPhone"), false},
        {"grey frame", {2, 200}, false},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        delete about;
        about = new TfrmAbout;
        about->show();
        clickAt(test.point);
        EXPECT_EQ(about->isVisible(), !test.closes);
        EXPECT_EQ(deletedOnceIdle(about), test.closes);
    }
    EXPECT_TRUE(openedUrls.empty());
}

TEST_F(AboutWindowTest, RightClickOnTheCardKeepsItOpen)
{
    clickAt({190, 220}, Qt::RightButton);
    EXPECT_TRUE(about->isVisible());
}

TEST_F(AboutWindowTest, LinksOpenTheWebAddressAndAMailMessageUnderTheBusyCursor)
{
    clickAt(centreOf("lblWWWDat"));
    ASSERT_EQ(openedUrls.size(), 1U);
    EXPECT_EQ(openedUrls[0], QUrl(constant(Product.MakerWebAddress)));
    EXPECT_EQ(cursorWhileOpening, Qt::BusyCursor);

    clickAt(centreOf("lblEMailDat"));
    ASSERT_EQ(openedUrls.size(), 2U);
    EXPECT_EQ(openedUrls[1], QUrl("mailto:" + constant(Product.MakerSupportEmail)));
    EXPECT_EQ(openedUrls[1].scheme(), "mailto");

    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(about->isVisible()) << "a link does not close the card";
}

TEST_F(AboutWindowTest, NoBrowserIsSilentAndRestoresTheCursor)
{
    urlOpener() = [](const QUrl&) { return false; };
    clickAt(centreOf("lblWWWDat"));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    urlOpener() = [](const QUrl&) -> bool { throw std::runtime_error("desktop gone"); };
    EXPECT_THROW(openExternalUrl(QUrl("https://example.org/")), std::runtime_error);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// Answers the modal box from inside its own loop; a box that never closes
// is torn down after a few seconds so the test fails instead of hanging.
void closeModalAboutWith(Qt::Key key, bool& wasModal)
{
    QTimer::singleShot(0, [key, &wasModal] {
        TfrmAbout* box = openAboutWindow();
        ASSERT_NE(box, nullptr);
        wasModal = box->isModal();
        QTest::keyClick(box, key);
    });
    QTimer::singleShot(5000, [] {
        if (TfrmAbout* box = openAboutWindow()) {
            ADD_FAILURE() << "modal About box did not close";
            delete box;
        }
    });
}

TEST(ModalAboutTest, ReturnsOnceEnterOrEscapeClosesTheBox)
{
    QWidget owner;
    owner.show();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        bool wasModal = false;
        closeModalAboutWith(key, wasModal);
        showModalAbout(&owner);
        EXPECT_TRUE(wasModal);
        EXPECT_EQ(openAboutWindow(), nullptr);
        EXPECT_TRUE(owner.findChildren<TfrmAbout*>().isEmpty()) << "the box deletes itself";
    }
}

// Counts paint events that reach the About window.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->objectName() == "frmAbout")
            ++paints;
        return false;
    }
};

TEST(SplashTest, IsOnScreenAndPaintedWhenShowReturnsAndClosesOnRequest)
{
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    const QPointer<TfrmAbout> splash = showSplash();
    qApp->removeEventFilter(&counter);

    ASSERT_FALSE(splash.isNull());
    EXPECT_TRUE(splash->isVisible());
    EXPECT_FALSE(splash->isModal());
    EXPECT_GT(counter.paints, 0);

    closeSplash();
    EXPECT_FALSE(splash->isVisible());
    EXPECT_TRUE(deletedOnceIdle(splash));
}

TEST(SplashTest, ClosingASplashTheUserAlreadyClosedDoesNothing)
{
    const QPointer<TfrmAbout> splash = showSplash();
    ASSERT_FALSE(splash.isNull());
    QTest::keyClick(splash.data(), Qt::Key_Escape);
    EXPECT_TRUE(deletedOnceIdle(splash));
    closeSplash();
    EXPECT_EQ(openAboutWindow(), nullptr);
}

}  // namespace
}  // namespace pecunor
