#include "method_run.h"

namespace pecunor::detail {

void fillRatio(const MethodInputs& in, SheetWriter& out)
{
    const auto& rowLabels =
        out.texts().ratioLabels[static_cast<std::size_t>(indexOf(in.method) - indexOf(CalcMethod::BondYield))];
    ResultSheet& sheet = out.sheet();
    sheet.dimensionGrid(1, 3, 1, 0, {"", "", "", "", ""});
    for (int row = 0; row < 3; ++row)
        sheet.setCell(0, row, rowLabels[static_cast<std::size_t>(row)]);
    out.money(1, 0, in.e(1));
    out.money(1, 1, in.e(2));
    out.money(1, 2, divide(in.e(1), in.e(2)));
    sheet.setSelection(gridRect(1, 2, 1, 2));
}

}  // namespace pecunor::detail
