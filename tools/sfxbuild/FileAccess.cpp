#include "FileAccess.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#endif

#include "BuildError.h"

namespace {

constexpr size_t kChunk = 1 << 20;

// Replaces an existing output; plain rename does not on Windows.
bool RenameOver(const std::string& from, const std::string& to) {
#ifdef _WIN32
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

}  // namespace

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw BuildError("cannot open " + path);
    std::vector<uint8_t> bytes;
    char chunk[65536];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) bytes.insert(bytes.end(), chunk, chunk + in.gcount());
    if (in.bad()) throw BuildError("cannot read " + path);
    return bytes;
}

OutputFile::OutputFile(std::string path) : path_(std::move(path)), partial_(path_ + ".partial") {
    out_.open(partial_, std::ios::binary | std::ios::trunc);
    if (!out_) throw BuildError("cannot create " + partial_);
}

OutputFile::~OutputFile() {
    if (committed_) return;
    out_.close();
    std::remove(partial_.c_str());
}

void OutputFile::Write(const uint8_t* data, size_t size) {
    out_.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    if (!out_) throw BuildError("cannot write " + partial_);
}

void OutputFile::CopyFrom(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw BuildError("cannot open " + path);
    std::vector<char> chunk(kChunk);
    while (in.read(chunk.data(), std::streamsize(chunk.size())) || in.gcount() > 0)
        Write(reinterpret_cast<const uint8_t*>(chunk.data()), size_t(in.gcount()));
    if (in.bad()) throw BuildError("cannot read " + path);
}

void OutputFile::Commit() {
    out_.close();
    if (!out_) throw BuildError("cannot write " + partial_);
    if (!RenameOver(partial_, path_)) throw BuildError("cannot rename " + partial_ + " to " + path_);
    committed_ = true;
}
