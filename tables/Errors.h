#pragma once
#include <stdexcept>
#include <string>

// The file-open error of the table loaders: "Cannot open file <path>".
struct FileOpenError : std::runtime_error {
    explicit FileOpenError(const std::string& path) : std::runtime_error("Cannot open file " + path), path(path) {}
    std::string path;
};
