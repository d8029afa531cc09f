// Runs the built corvanectl as a user would: its own process, arguments as
// given, standard output and error captured, the exit code returned. The
// environment is the test's without any CORVANE_SIM_* or locale variable,
// plus what the test names.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

extern char** environ;

#ifndef CORVANECTL_PATH
#error "CORVANECTL_PATH names the built corvanectl"
#endif

namespace corvane::testing {

struct CtlRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline CtlRun RunCtl(const std::vector<std::string>& args,
                     const std::map<std::string, std::string>& extraEnvironment = {}) {
    static std::atomic<int> counter{0};
    const std::filesystem::path base =
        std::filesystem::temp_directory_path() /
        ("corvanectl-run-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    const std::string outFile = base.string() + ".out";
    const std::string errFile = base.string() + ".err";

    std::vector<std::string> environment;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry(*e);
        const std::string name = entry.substr(0, entry.find('='));
        if (name.rfind("CORVANE_SIM_", 0) != 0 && name != "LC_ALL" && name != "LC_MESSAGES" &&
            name != "LANG" && extraEnvironment.count(name) == 0) {
            environment.push_back(entry);
        }
    }
    for (const auto& [name, value] : extraEnvironment) {
        environment.push_back(name + "=" + value);
    }
    std::vector<std::string> argv = {CORVANECTL_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> argvPointers;
    for (std::string& a : argv) {
        argvPointers.push_back(a.data());
    }
    argvPointers.push_back(nullptr);
    std::vector<char*> environmentPointers;
    for (std::string& e : environment) {
        environmentPointers.push_back(e.data());
    }
    environmentPointers.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outFile.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errFile.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    CtlRun run;
    if (posix_spawn(&pid, argv[0].c_str(), &actions, nullptr, argvPointers.data(),
                    environmentPointers.data()) == 0) {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    run.out = ReadText(outFile);
    run.err = ReadText(errFile);
    std::filesystem::remove(outFile);
    std::filesystem::remove(errFile);
    return run;
}

}  // namespace corvane::testing
