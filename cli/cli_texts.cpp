#include "cli_texts.h"

#include <QCoreApplication>

namespace pecunor::cli {

std::string translated(const char* sourceText, std::initializer_list<std::string_view> arguments)
{
    const std::string text = QCoreApplication::translate("pecunor-calc", sourceText).toStdString();
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool placeholder = text[at] == '%' && at + 1 < text.size() && text[at + 1] >= '1' &&
                                 static_cast<std::size_t>(text[at + 1] - '1') < arguments.size();
        if (placeholder) {
            filled.append(arguments.begin()[text[at + 1] - '1']);
            ++at;
        } else {
            filled.push_back(text[at]);
        }
    }
    return filled;
}

}  // namespace pecunor::cli
