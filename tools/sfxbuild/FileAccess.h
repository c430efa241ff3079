// sfxbuild's files: inputs read whole or in chunks, the output written to a
// temporary file beside it and renamed into place only when complete.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

// Throws BuildError when the file is missing or cannot be read.
std::vector<uint8_t> ReadWholeFile(const std::string& path);

class OutputFile {
public:
    explicit OutputFile(std::string path);  // creates path + ".partial"
    ~OutputFile();                          // removes it unless committed
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    void Write(const uint8_t* data, size_t size);
    void Write(const std::vector<uint8_t>& bytes) { Write(bytes.data(), bytes.size()); }
    // Copies a whole input file in chunks.
    void CopyFrom(const std::string& path);
    void Commit();  // closes and renames over the output

private:
    std::string path_;
    std::string partial_;
    std::ofstream out_;
    bool committed_ = false;
};
