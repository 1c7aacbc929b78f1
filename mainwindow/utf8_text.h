#pragma once

#include <QString>

#include <string_view>

namespace pecunor {

// The engine's and the product's texts are UTF-8 views; the widgets take QStrings.
inline QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace pecunor
