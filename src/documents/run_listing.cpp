#include "documents/run_listing.h"

#include "documents/run_dumps.h"

namespace casl2wb {

void RunListing::line(std::string_view text) { list_.add(text); }

void RunListing::dumped(int count, const CpuState& cpu) { appendDumpLines(count, cpu, list_); }

void RunListing::ended(const Machine& machine) { appendEndOfRunDumps(machine, list_); }

}  // namespace casl2wb
