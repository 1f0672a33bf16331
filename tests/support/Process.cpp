#include "support/Process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "support/TestWorld.h"

pid_t StartProgram(const std::vector<std::string>& argv, const std::string& folder,
                   const std::string& errorsPath, const std::vector<std::string>& environment)
{
    const pid_t child = fork();
    if (child == 0) {
        const int errors = open(errorsPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(errors, 2);
        const int nothing = open("/dev/null", O_RDWR);
        dup2(nothing, 0);
        dup2(nothing, 1);
        if (chdir(folder.c_str()) != 0)
            _exit(127);
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        for (const std::string& setting : environment)
            putenv(const_cast<char*>(setting.c_str()));
        std::vector<char*> args;
        for (const std::string& arg : argv)
            args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    return child;
}

ProcessResult RunProgram(const std::vector<std::string>& argv, const std::string& folder,
                         double seconds, const std::vector<std::string>& environment)
{
    const std::string errorsPath = folder + "/.stderr";
    const pid_t child = StartProgram(argv, folder, errorsPath, environment);
    ProcessResult result = {false, -1, ""};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            result.errors = ReadFile(errorsPath);
            return result;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    result.exited = WIFEXITED(status);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.errors = ReadFile(errorsPath);
    return result;
}
