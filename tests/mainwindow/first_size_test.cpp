#include "main_window_fixture.h"
#include "whole_result.h"

// An everyday mortgage reads whole at the window's first size, and where the
// figures need more than the page they scroll rather than being cut.
namespace pecunor {
namespace {

struct ViewCase {
    const char* name;
    QSize window;
    int divLeft;
    int points;
    bool scrolls;
};

void PrintTo(const ViewCase& c, std::ostream* out) { *out << c.name; }

class MortgageOnScreen : public MainWindowTest, public ::testing::WithParamInterface<ViewCase> { };

TEST_P(MortgageOnScreen, EveryFigureAndHeaderReadsWhole)
{
    const ViewCase& c = GetParam();
    settings.Right = c.window.width();
    settings.Bottom = c.window.height();
    settings.DivLeft = static_cast<std::uint8_t>(c.divLeft);
    settings.TableFont.sizePoints = c.points;
    TfrmCalc& w = open();
    ASSERT_EQ(w.size(), c.window);
    selectMethod(CalcMethod::PresentLoanPayment);
    w.cboStartDate->setEditText("1/15/2024");
    w.cboPeriodsAre->setCurrentIndex(indexOf(PeriodUnit::Months));
    for (const auto& [field, text] : {std::pair{0, "250000"}, {1, "6.5"}, {2, "50000"}, {3, "360"}})
        type(w.txtValue[static_cast<std::size_t>(field)], text);
    QTest::keyClick(w.cboMethod, Qt::Key_C, Qt::AltModifier);
    ASSERT_TRUE(w.sgrFin->isVisible());
    ASSERT_EQ(cell(4, 1), "$199,816.05");
    EXPECT_EQ(test::expectResultShownWhole(w), c.scrolls);
}

INSTANTIATE_TEST_SUITE_P(Views, MortgageOnScreen,
                         ::testing::Values(ViewCase{"FirstSize", {640, 480}, 30, 10, false},
                                           ViewCase{"NarrowResultPane", {640, 480}, 75, 10, true},
                                           ViewCase{"LargeFontInAWidePane", {780, 580}, 10, 36, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pecunor
