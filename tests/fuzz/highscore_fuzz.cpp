// libFuzzer target: the high-score reader against a plain model of the file
// format, on any bytes a file might hold.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "game/HighScore.h"

namespace {

// White space, an optional sign, decimal digits, in the 32-bit range.
bool ModelRead(const uint8_t* data, size_t size, int* value)
{
    size_t i = 0;
    while (i < size && (data[i] == ' ' || (data[i] >= '\t' && data[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < size && (data[i] == '+' || data[i] == '-'))
        negative = data[i++] == '-';
    if (i == size || data[i] < '0' || data[i] > '9')
        return false;
    long long magnitude = 0;
    for (; i < size && data[i] >= '0' && data[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (data[i] - '0');
        if (magnitude > 2147483648LL)
            return false;
    }
    const long long number = negative ? -magnitude : magnitude;
    if (number > 2147483647LL)
        return false;
    *value = static_cast<int>(number);
    return true;
}

std::string ScratchFile()
{
    return "/dev/shm/rockjaw-fuzz-" + std::to_string(getpid());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = ScratchFile();
    FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    int expected = 0;
    int actual = 0;
    const bool modelRead = ModelRead(data, size, &expected);
    const bool gameRead = ReadHighScore(path.c_str(), &actual) == 1;
    if (modelRead != gameRead || (modelRead && expected != actual))
        std::abort();
    return 0;
}
