#include "tests/cli/run_program.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace cli::testing {
namespace {

// A file for one output stream of the program, removed again when read.
struct CaptureFile {
    CaptureFile() {
        const char* dir = std::getenv("TMPDIR");
        path = std::string(dir != nullptr ? dir : "/tmp") + "/kolvex-calc-test-XXXXXX";
        fd = mkstemp(path.data());
        if (fd < 0) {
            throw std::runtime_error("cannot create " + path);
        }
    }
    ~CaptureFile() {
        close(fd);
        unlink(path.c_str());
    }
    std::string read() const {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::string path;
    int fd = -1;
};

bool isLocaleVariable(const std::string& entry) {
    return entry.rfind("LC_", 0) == 0 || entry.rfind("LANG=", 0) == 0 || entry.rfind("LANGUAGE=", 0) == 0;
}

} // namespace

ProgramRun runCalc(const std::vector<std::string>& args, const std::string& locale) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        if (!isLocaleVariable(*e)) {
            env.emplace_back(*e);
        }
    }
    env.push_back("LC_ALL=" + locale);
    std::vector<char*> envp;
    for (auto& e : env) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);

    std::string program = KOLVEX_CALC_PATH;
    std::vector<std::string> argStore = args;
    std::vector<char*> argv{program.data()};
    for (auto& a : argStore) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);

    CaptureFile out;
    CaptureFile err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out.fd, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err.fd, STDERR_FILENO);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        throw std::runtime_error("cannot start " + program);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ProgramRun run;
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = out.read();
    run.err = err.read();
    return run;
}

} // namespace cli::testing
