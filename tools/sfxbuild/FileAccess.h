// sfxbuild's files: inputs read whole, in chunks or by position, each output
// written to a temporary file beside it and renamed into place only when
// complete.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "ByteSource.h"

// Throws BuildError when the file is missing or cannot be read.
std::vector<uint8_t> ReadWholeFile(const std::string& path);

// An input file read by position. Throws BuildError when it cannot be opened,
// PayloadError when a read fails.
class InputFile : public ByteSource {
public:
    explicit InputFile(const std::string& path);

    size_t Read(uint8_t* data, size_t size) override;
    void Seek(uint64_t position) override;
    uint64_t Position() const override { return position_; }
    uint64_t Size() const override { return size_; }

private:
    std::ifstream in_;
    uint64_t size_ = 0;
    uint64_t position_ = 0;
};

class OutputFile {
public:
    explicit OutputFile(std::string path);  // creates path + ".partial"
    ~OutputFile();                          // removes it unless committed
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    void Write(const uint8_t* data, size_t size);
    void Write(const std::vector<uint8_t>& bytes) { Write(bytes.data(), bytes.size()); }
    // Copies length bytes of an input file from offset, in chunks.
    void CopyFrom(const std::string& path, uint64_t offset, uint64_t length);
    void Commit();  // closes and renames over the output

private:
    std::string path_;
    std::string partial_;
    std::ofstream out_;
    bool committed_ = false;
};
