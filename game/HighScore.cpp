#include "game/HighScore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "game/MainFile.h"

const char* const kHighScoreFile = "GameEngine.dat";

static int savedValueKnown = 0;
static int savedValue = 0;
static int writeFailureReported = 0;

int ReadHighScore(const char* path, int* value)
{
    std::ifstream in(path);
    // Read into a local: on a number out of range the stream stores the
    // nearest limit, and the high score must then stay as it was.
    int number = 0;
    if (!(in >> number))
        return 0;
    *value = number;
    return 1;
}

static int FormatScore(int value, char (&digits)[16])
{
    return std::snprintf(digits, sizeof digits, "%d", value);
}

static std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash + 1);
}

static bool WriteAll(int fd, const char* bytes, size_t length)
{
    while (length > 0) {
        const ssize_t written = write(fd, bytes, length);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes += written;
        length -= written;
    }
    return true;
}

// The rename is only durable once the folder itself is on disk.
static void SyncFolder(const std::string& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

int WriteHighScore(const char* path, int value)
{
    char digits[16];
    const int length = FormatScore(value, digits);
    std::string temporary = std::string(path) + ".XXXXXX";
    const int fd = mkstemp(&temporary[0]);
    if (fd < 0)
        return 0;
    fchmod(fd, 0644);
    const bool written = WriteAll(fd, digits, length) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path) != 0) {
        const int savedErrno = errno;
        unlink(temporary.c_str());
        errno = savedErrno;
        return 0;
    }
    SyncFolder(FolderOf(path));
    return 1;
}

static void RememberSavedHighScore(int value)
{
    savedValueKnown = 1;
    savedValue = value;
}

// True when the file holds exactly what writing the value would store.
static bool HoldsExactly(const char* path, int value)
{
    char digits[16];
    const int length = FormatScore(value, digits);
    char content[sizeof digits + 1];
    std::ifstream in(path, std::ios::binary);
    in.read(content, sizeof content);
    return in.gcount() == length && std::memcmp(content, digits, length) == 0;
}

void LoadHighScore()
{
    savedValueKnown = ReadHighScore(kHighScoreFile, &HighScore) && HoldsExactly(kHighScoreFile, HighScore);
    savedValue = HighScore;
    writeFailureReported = 0;
}

void SaveHighScore(int value)
{
    if (savedValueKnown && savedValue == value)
        return;
    if (WriteHighScore(kHighScoreFile, value)) {
        RememberSavedHighScore(value);
        return;
    }
    if (!writeFailureReported)
        std::fprintf(stderr, "rockjaw: cannot save the high score to \"%s\": %s\n", kHighScoreFile,
                     std::strerror(errno));
    writeFailureReported = 1;
}
