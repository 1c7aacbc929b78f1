#include "early_answer.h"

#include <QCoreApplication>

#include "product/product_constants.h"

namespace pecunor {

namespace {

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString usage()
{
    return QCoreApplication::translate("pecunor::EarlyAnswer",
                                       "Usage: opecu97 [SETUP | UNINSTALL | HELP]\n"
                                       "       opecu97 --help | --version\n"
                                       "\n"
                                       "Opens the %1 window; a period-by-period table of the chosen method is\n"
                                       "recomputed with every keystroke.\n"
                                       "\n"
                                       "  SETUP          install a copy for the current user\n"
                                       "  UNINSTALL      remove the copy that was started, after asking\n"
                                       "  HELP           open the help viewer alone\n"
                                       "  -h, --help     show this text and end\n"
                                       "  -V, --version  show the version and end\n"
                                       "\n"
                                       "The same sheets without a window: pecunor-calc --help.\n")
        .arg(fromView(Product.ProductName));
}

}  // namespace

std::optional<EarlyRequest> earlyRequest(const QStringList& arguments)
{
    if (arguments.size() < 2)
        return std::nullopt;
    const QString& first = arguments.at(1);
    if (first == QLatin1String("--help") || first == QLatin1String("-h"))
        return EarlyRequest::Usage;
    if (first == QLatin1String("--version") || first == QLatin1String("-V"))
        return EarlyRequest::Version;
    return std::nullopt;
}

QString earlyAnswer(EarlyRequest request)
{
    if (request == EarlyRequest::Usage)
        return usage();
    return fromView(Product.ProductName) + u' ' + fromView(Product.ProductVersion) + u'\n';
}

QString noDisplayLine(const QString& problem)
{
    return QCoreApplication::translate("pecunor::EarlyAnswer",
                                       "opecu97: %1; the calculator needs a graphical desktop (see opecu97 --help)")
        .arg(problem);
}

}  // namespace pecunor
