#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

#include "../engine/engine_test_support.h"
#include "mainwindow/frm_calc.h"

namespace pecunor {

using test::usRegional;

inline const DayNumber today = *dayNumberOf(2026, 12, 7);

// A main window on throw-away settings; dialogs and the settings file are
// replaced by recorders.
class MainWindowTest : public ::testing::Test {
protected:
    AppSettings settings{today, QStringLiteral("/opt/pecunor/")};
    std::vector<QString> errors;
    std::vector<AppSettings> saved;
    SaveResult nextSave;
    std::vector<QString> questions;
    bool nextAnswer = false;
    bool uninstalled = false;
    std::optional<QFont> nextFont;
    int explanationsLoaded = 0;
    std::unique_ptr<TfrmCalc> window;

    WindowServices services()
    {
        WindowServices s;
        s.today = [] { return today; };
        s.uninstalledWhileRunning = [this] { return uninstalled; };
        s.showError = [this](QWidget*, const QString& message) { errors.push_back(message); };
        s.chooseFont = [this](QWidget*, const QFont&) { return nextFont; };
        s.ask = [this](QWidget*, const QString& question) {
            questions.push_back(question);
            return nextAnswer;
        };
        s.saveSettings = [this](const AppSettings& written) {
            saved.push_back(written);
            return nextSave;
        };
        s.explanation = [this](CalcMethod method) {
            ++explanationsLoaded;
            return QString::fromStdString("<p>" + std::string(methodListText(method)) + "</p>");
        };
        return s;
    }

    TfrmCalc& open()
    {
        window = std::make_unique<TfrmCalc>(settings, usRegional(), services());
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *window;
    }

    void TearDown() override
    {
        if (window) {
            nextSave = {};
            window->close();
        }
    }

    void selectMethod(CalcMethod method) { window->cboMethod->setCurrentIndex(indexOf(method)); }

    void type(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    std::string cell(int column, int row) const { return std::string(window->sgrFin->sheet().cell(column, row)); }
};

// The bar follows the pointer's x within it: pressing at its left edge and
// moving dx pixels moves it by dx.
inline void drag(QWidget* bar, int dx)
{
    const QPointF inside(0, 10);
    QMouseEvent press(QEvent::MouseButtonPress, inside, bar->mapToGlobal(inside), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(bar, &press);
    const QPointF moved(dx, 10);
    QMouseEvent move(QEvent::MouseMove, moved, bar->mapToGlobal(moved), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, moved, bar->mapToGlobal(moved), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(bar, &release);
}

}  // namespace pecunor
