#include "FileAccess.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#endif

#include "BuildError.h"
#include "PayloadError.h"

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

// The input must still hold every byte it held when it was planned.
void OutputFile::CopyFrom(const std::string& path, uint64_t offset, uint64_t length) {
    std::ifstream in(path, std::ios::binary);
    if (!in || !in.seekg(std::streamoff(offset))) throw BuildError("cannot open " + path);
    std::vector<char> chunk(kChunk);
    for (uint64_t left = length; left > 0;) {
        const size_t want = size_t(std::min<uint64_t>(left, chunk.size()));
        if (!in.read(chunk.data(), std::streamsize(want))) throw BuildError("cannot read " + path);
        Write(reinterpret_cast<const uint8_t*>(chunk.data()), want);
        left -= want;
    }
}

InputFile::InputFile(const std::string& path) : in_(path, std::ios::binary) {
    std::error_code error;
    size_ = std::filesystem::file_size(path, error);
    if (!in_ || error) throw BuildError("cannot open " + path);
}

size_t InputFile::Read(uint8_t* data, size_t size) {
    in_.read(reinterpret_cast<char*>(data), std::streamsize(size));
    if (in_.bad()) throw PayloadError("an input file cannot be read");
    const size_t got = size_t(in_.gcount());
    in_.clear();  // the end of the file is no failure
    position_ += got;
    return got;
}

void InputFile::Seek(uint64_t position) {
    in_.clear();
    if (!in_.seekg(std::streamoff(position))) throw PayloadError("an input file cannot be read");
    position_ = position;
}

void OutputFile::Commit() {
    out_.close();
    if (!out_) throw BuildError("cannot write " + partial_);
    if (!RenameOver(partial_, path_)) throw BuildError("cannot rename " + partial_ + " to " + path_);
    committed_ = true;
}
