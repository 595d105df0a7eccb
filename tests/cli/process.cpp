#include "process.h"

#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <stdexcept>

extern char** environ;

namespace casl2wb::testing {

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}
namespace {

std::array<int, 2> makePipe() {
  std::array<int, 2> fds{};
  if (pipe2(fds.data(), O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  return fds;
}

// Reads both pipes until both are closed, so that neither can fill up.
void drain(int outFd, int errFd, std::string& out, std::string& err) {
  std::array<pollfd, 2> fds{{{outFd, POLLIN, 0}, {errFd, POLLIN, 0}}};
  std::array<std::string*, 2> sinks{&out, &err};
  int open = 2;
  char buffer[4096];
  while (open > 0) {
    if (poll(fds.data(), fds.size(), -1) < 0) {
      if (errno == EINTR) continue;
      throw std::runtime_error("poll failed");
    }
    for (std::size_t i = 0; i < fds.size(); ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      const ssize_t count = read(fds[i].fd, buffer, sizeof buffer);
      if (count > 0) {
        sinks[i]->append(buffer, static_cast<std::size_t>(count));
      } else if (count == 0 || errno != EINTR) {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      }
    }
  }
}

}  // namespace

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const StandardOutput& output, const std::string& workingDirectory) {
  std::vector<std::string> argvStrings{program};
  argvStrings.insert(argvStrings.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& argument : argvStrings) argv.push_back(argument.data());
  argv.push_back(nullptr);

  const auto outPipe = makePipe();
  const auto errPipe = makePipe();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  if (output.closed) {
    posix_spawn_file_actions_addclose(&actions, 1);
  } else if (!output.file.empty()) {
    posix_spawn_file_actions_addopen(&actions, 1, output.file.c_str(), O_WRONLY, 0);
  } else {
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
  }
  posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
  if (!workingDirectory.empty()) {
    posix_spawn_file_actions_addchdir_np(&actions, workingDirectory.c_str());
  }

  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(outPipe[1]);
  close(errPipe[1]);
  if (spawned != 0) {
    close(outPipe[0]);
    close(errPipe[0]);
    throw std::runtime_error("cannot start " + program);
  }

  ProcessResult result;
  drain(outPipe[0], errPipe[0], result.out, result.err);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) throw std::runtime_error("waitpid failed");
  }
  if (WIFEXITED(status)) result.exitStatus = WEXITSTATUS(status);
  return result;
}

ProcessResult runCli(const std::vector<std::string>& arguments, const StandardOutput& output,
                     const std::string& workingDirectory) {
  const char* nodeProgram = std::getenv("CASL2WB_NODE_CLI");
  if (nodeProgram == nullptr || *nodeProgram == '\0') {
    return runProcess(CASL2WB_CLI, arguments, output, workingDirectory);
  }
  std::vector<std::string> nodeArguments{nodeProgram};
  nodeArguments.insert(nodeArguments.end(), arguments.begin(), arguments.end());
  return runProcess("node", nodeArguments, output, workingDirectory);
}

}  // namespace casl2wb::testing
