#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "files/safe_file.h"
#include "files/safe_file_platform.h"

namespace brenvox {
namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

}  // namespace

namespace files_platform {

std::error_code WriteNewFile(const std::filesystem::path& path, std::string_view contents) {
    // O_EXCL: never write into a file someone else made under this name; 0600 from the start, so
    // the PINs are never readable by others, not even for a moment.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return LastError();
    std::error_code error;
    const char* p = contents.data();
    std::size_t left = contents.size();
    while (left > 0 && !error) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno != EINTR) error = LastError();
            continue;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    // Without the flush, a crash soon after the rename can leave an empty file under the name.
    if (!error && ::fsync(fd) != 0) error = LastError();
    if (::close(fd) != 0 && !error) error = LastError();
    if (error) ::unlink(path.c_str());
    return error;
}

std::error_code RenameOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) return LastError();
    return {};
}

std::FILE* OpenForReading(const std::filesystem::path& path, std::error_code& error) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    error = f ? std::error_code() : LastError();
    return f;
}

std::string SystemWords(const std::error_code& error) {
    std::string words = error.message();
    while (!words.empty() && (words.back() == '.' || words.back() == '\n')) words.pop_back();
    return words;
}

}  // namespace files_platform

std::error_code MakePrivateDir(const std::filesystem::path& dir) {
    if (::mkdir(dir.c_str(), 0700) != 0) return LastError();
    return {};
}

}  // namespace brenvox
