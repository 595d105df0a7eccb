// The notes after the rows of a memory dump in the execution window's list:
// each label of the program at the address it stands for ("ECHO=0000
// MAIN=0000"), so that a student finds the cells of the program's names.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace casl2wb {

// The notes by row of a list of `rows` rows whose dump rows start at row
// `first` (after the dump's heading), for the labels by address
// (labelsByAddress) up to `highestAddress`.
std::map<int, std::string> labelNotes(
    const std::map<std::int64_t, std::vector<std::string>>& labels, int first, int rows,
    std::int64_t highestAddress);

}  // namespace casl2wb
