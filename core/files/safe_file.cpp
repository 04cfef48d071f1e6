#include "files/safe_file.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <exception>
#include <string>
#include <vector>

#include "files/safe_file_platform.h"

namespace brenvox {
namespace {

namespace fs = std::filesystem;

// A name beside the target that no other writer (thread or process) picks at the same moment;
// the exclusive creation catches what the clock and the counter do not.
fs::path TempNameFor(const fs::path& target, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    const auto tick =
        static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    fs::path temp = target;
    temp += ".tmp" + std::to_string(tick % 1000000007ULL) + "-" + std::to_string(counter++) + "-" +
            std::to_string(attempt);
    return temp;
}

class FileErrorCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "brenvox-file"; }
    std::string message(int value) const override {
        switch (static_cast<FileErrc>(value)) {
            case FileErrc::NotRegularFile:
                return "not a regular file";
            case FileErrc::Locked:
                return "the file is locked by another program";
        }
        return "file error " + std::to_string(value);
    }
};

}  // namespace

fs::path files_platform::FollowLinks(fs::path p) {
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(p, ec)); ++hops) {
        const fs::path to = fs::read_symlink(p, ec);
        if (ec) break;
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
    return p;
}

const std::error_category& FileCategory() {
    static const FileErrorCategory category;
    return category;
}

std::error_code make_error_code(FileErrc error) {
    return {static_cast<int>(error), FileCategory()};
}

fs::path PathFromUtf8(std::string_view utf8) {
    try {
        return fs::path(std::u8string(utf8.begin(), utf8.end()));
    } catch (const std::exception&) {
        // Not UTF-8 after all (only POSIX names can be that, and there the bytes are the name).
        return fs::path(std::string(utf8));
    }
}

FileWriteResult WriteFileSafely(const fs::path& requested, std::string_view contents) {
    if (requested.empty()) return {std::make_error_code(std::errc::invalid_argument)};
    const fs::path target = files_platform::FollowLinks(requested);
    std::error_code ec;
    const fs::file_status st = fs::status(target, ec);
    if (fs::is_directory(st)) return {std::make_error_code(std::errc::is_a_directory)};
    const bool replacing = fs::is_regular_file(st);
    if (fs::exists(st) && !replacing) return {make_error_code(FileErrc::NotRegularFile)};
    if (replacing && !files_platform::HasWriteBit(st.permissions()))
        return {std::make_error_code(std::errc::permission_denied)};

    fs::path temp;
    std::error_code error = std::make_error_code(std::errc::file_exists);
    for (unsigned attempt = 0; attempt < 16 && error == std::errc::file_exists; ++attempt) {
        temp = TempNameFor(target, attempt);
        error = files_platform::WriteNewFile(temp, contents);
    }
    if (error) return {error};
    // The replaced file keeps its mode. Should that fail, the file stays private, which is the
    // safe side for a file holding PINs.
    if (replacing) fs::permissions(temp, st.permissions(), ec);
    error = files_platform::RenameOver(temp, target);
    if (error) fs::remove(temp, ec);
    return {error};
}

std::FILE* OpenFileForReading(const fs::path& path, std::error_code& error) {
    // Some systems open a folder as a stream whose reads then fail; it is no file to read.
    if (std::error_code ec; fs::is_directory(path, ec)) {
        error = std::make_error_code(std::errc::is_a_directory);
        return nullptr;
    }
    return files_platform::OpenForReading(path, error);
}

FileReadResult ReadWholeFile(const fs::path& path) {
    FileReadResult r;
    std::FILE* f = OpenFileForReading(path, r.error);
    if (!f) return r;
    char block[65536];
    errno = 0;
    for (std::size_t n; (n = std::fread(block, 1, sizeof block, f)) > 0;) r.bytes.append(block, n);
    // errno is the system's cause where the C library sets it (POSIX, the Windows runtime).
    if (std::ferror(f)) r.error = {errno != 0 ? errno : EIO, std::generic_category()};
    std::fclose(f);
    if (r.error) r.bytes.clear();
    return r;
}

std::error_code MakePrivateDirs(const fs::path& dir) {
    if (dir.empty()) return std::make_error_code(std::errc::invalid_argument);
    std::error_code ec;
    if (fs::is_directory(dir, ec)) return {};
    // The missing folders from the outermost in, each created private rather than made so after
    // the fact, so there is no moment in which another user could look in.
    std::vector<fs::path> missing;
    for (fs::path p = dir; !p.empty() && !fs::exists(fs::symlink_status(p, ec)); p = p.parent_path()) {
        missing.push_back(p);
        if (p == p.parent_path()) break;
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        const std::error_code made = MakePrivateDir(*it);
        // Made at the same moment by another program (or named twice, as "a/" and "a"): fine.
        if (made && !fs::is_directory(*it, ec)) return made;
    }
    if (fs::is_directory(dir, ec)) return {};
    return ec ? ec : std::make_error_code(std::errc::not_a_directory);
}

std::error_code ProbeWritableDir(const fs::path& dir) {
    std::error_code error = std::make_error_code(std::errc::file_exists);
    fs::path probe;
    for (unsigned attempt = 0; attempt < 16 && error == std::errc::file_exists; ++attempt) {
        probe = TempNameFor(dir / ".brenvox-probe", attempt);
        error = files_platform::WriteNewFile(probe, {});
    }
    if (error) return error;
    std::error_code ignored;
    fs::remove(probe, ignored);
    return {};
}

}  // namespace brenvox
