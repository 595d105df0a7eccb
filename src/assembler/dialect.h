// The two languages the workbench reads: its own dialect of CASL II, and
// standard CASL II as the national examination defines it.
#pragma once

namespace casl2wb {

enum class Dialect {
  Workbench,  // the workbench's own: one program, 256 words, LMT and MEX, DMP
  Standard,   // standard CASL II on a COMET II of 65536 words
};

}  // namespace casl2wb
