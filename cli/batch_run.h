#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace pecunor::cli {

// The arguments of a run around its --batch flag; nullopt without one.
std::optional<std::vector<std::string>> batchArguments(const std::vector<std::string>& arguments);

// Reads one request per line: a JSON object whose names are the options of
// one sheet without their "--" ({"method": 0, "v1": "1000", "start":
// "2024-01-15"}), each value a text or a whole number. Each line is read as
// the command line would be, after the options of the run (so a line's own
// options win), and answers with one JSON line in its order: its sheet, or a
// request fault naming what is wrong with it; no line stops the others.
// Returns the exit status: 0 when every line gave a sheet without a fault,
// 1 when any did not, 2 for a usage error in the run's own options, which
// then reads no line.
int runBatch(std::istream& in, std::ostream& out, std::ostream& err, const std::vector<std::string>& runArguments);

}  // namespace pecunor::cli
