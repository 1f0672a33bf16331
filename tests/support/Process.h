#ifndef ROCKJAW_TESTS_PROCESS_H
#define ROCKJAW_TESTS_PROCESS_H

#include <string>
#include <vector>

struct ProcessResult {
    bool exited;       // ended by itself within the time allowed
    int status;        // its exit status, when it exited
    std::string errors; // what it wrote on standard error
};

#include <sys/types.h>

// Starts a program in `folder` with SDL's dummy drivers, then the "NAME=value"
// settings of `environment`, its standard error going to `errorsPath`;
// returns its process id.
pid_t StartProgram(const std::vector<std::string>& argv, const std::string& folder,
                   const std::string& errorsPath,
                   const std::vector<std::string>& environment = {});

// Runs a program as StartProgram does; one still running after `seconds` is
// killed and reported as not exited.
ProcessResult RunProgram(const std::vector<std::string>& argv, const std::string& folder,
                         double seconds, const std::vector<std::string>& environment = {});

#endif
