// Runs a program and captures what it writes and how it ends.
#pragma once

#include <string>
#include <vector>

namespace casl2wb::testing {

struct ProcessResult {
  // The exit status, or -1 when the program did not exit normally.
  int exitStatus = -1;
  std::string out;
  std::string err;
};

// The whole content of a file (empty when it cannot be read).
std::string readFile(const std::string& path);

// Where the program's standard output goes: captured (the default), into
// a file that is opened for writing (such as /dev/full), or nowhere (closed).
struct StandardOutput {
  std::string file;  // empty: captured
  bool closed = false;
};

// Runs `program` (looked up in PATH when it has no slash) with `arguments`
// (argv[1] onwards), stdin from /dev/null,
// in the folder `workingDirectory` (empty: this process's own).
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const StandardOutput& output = {},
                         const std::string& workingDirectory = "");

// Runs the text front end with `arguments` as runProcess does: casl2wb-cli,
// or, when the environment's CASL2WB_NODE_CLI names the browser build's node
// program, node running that.
ProcessResult runCli(const std::vector<std::string>& arguments, const StandardOutput& output = {},
                     const std::string& workingDirectory = "");

}  // namespace casl2wb::testing
