#include "FileIo.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <string>
#include <system_error>

#include "HostError.h"
#include "Platform.h"

namespace fs = std::filesystem;

namespace {

std::string Quoted(const fs::path& path) { return "'" + platform::PathToUtf8(path) + "'"; }

std::string LastSystemError() { return errno ? std::strerror(errno) : "input/output error"; }

fs::path TemporaryNameFor(const fs::path& path) {
    static std::atomic<unsigned> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path tmp = path;
    tmp += ".tmp" + std::to_string(stamp % 1000000007) + "-" + std::to_string(counter++);
    return tmp;
}

void WriteAll(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw HostError(LastSystemError());
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    if (!out) throw HostError(LastSystemError());
}

}  // namespace

Bytes ReadFile(const fs::path& path, size_t maxSize) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) throw HostError("cannot read " + Quoted(path) + ": it is a folder");
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) throw HostError("cannot read " + Quoted(path) + ": " + LastSystemError());
    in.seekg(0, std::ios::end);
    std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size < 0) throw HostError("cannot read " + Quoted(path) + ": size unknown");
    if (uint64_t(size) > maxSize) throw HostError("cannot read " + Quoted(path) + ": the file is too large");
    Bytes bytes(static_cast<size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), size);
    if (in.gcount() != size) throw HostError("cannot read " + Quoted(path) + ": " + LastSystemError());
    return bytes;
}

void WriteFileAtomically(const fs::path& path, const Bytes& bytes) {
    fs::path tmp = TemporaryNameFor(path);
    std::string why;
    try {
        errno = 0;
        WriteAll(tmp, bytes);
        if (platform::MoveReplacing(tmp, path, why)) return;
    } catch (const HostError& e) {
        why = e.what();
    }
    std::error_code ec;
    fs::remove(tmp, ec);
    throw HostError("cannot write " + Quoted(path) + ": " + why);
}
