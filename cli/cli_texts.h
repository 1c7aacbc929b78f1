#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace pecunor::cli {

// The program's own text in the interface language. sourceText is marked
// with QT_TRANSLATE_NOOP("pecunor-calc", ...) where it is written; %1, %2, ...
// take the arguments in one pass, so an argument's own "%2" stays as typed.
std::string translated(const char* sourceText, std::initializer_list<std::string_view> arguments = {});

}  // namespace pecunor::cli
