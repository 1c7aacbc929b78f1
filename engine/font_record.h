#pragma once

#include <string>

namespace pecunor {

// The persisted form of the table font.
struct FontRecord {
    std::string faceName = "Courier New";
    int sizePoints = 10;
    bool bold = false;
    bool italic = false;

    friend bool operator==(const FontRecord&, const FontRecord&) = default;
};

}  // namespace pecunor
