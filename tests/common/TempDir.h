// A fresh folder for one test, removed with everything in it afterwards,
// and raw file access that goes around the program's own file routines.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "velk-test-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a temporary folder");
        Path_ = pattern + "/";
    }
    ~TempDir()
    {
        namespace fs = std::filesystem;
        // Tests make folders read-only; give the rights back so that all goes.
        std::error_code error;
        fs::permissions(Path_, fs::perms::owner_all, fs::perm_options::add, error);
        for (auto it = fs::recursive_directory_iterator(Path_, fs::directory_options::skip_permission_denied, error);
             !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
            std::error_code ignored;
            if (it->is_directory(ignored) && !it->is_symlink(ignored))
                fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        }
        fs::remove_all(Path_, error);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder, ending in "/".
    const std::string& Path() const { return Path_; }
    std::string File(std::string_view Name) const { return Path_ + std::string(Name); }

private:
    std::string Path_;
};

// The bytes of a file, or "<missing>" when it cannot be read.
inline std::string ReadRaw(const std::string& FileName)
{
    std::ifstream in(FileName, std::ios::binary);
    if (!in)
        return "<missing>";
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Writes the bytes as they are, replacing the file.
inline void WriteRaw(const std::string& FileName, std::string_view Bytes)
{
    std::ofstream out(FileName, std::ios::binary | std::ios::trunc);
    out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + FileName);
}
