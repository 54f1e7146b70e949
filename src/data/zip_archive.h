#ifndef LUMOX_DATA_ZIP_ARCHIVE_H
#define LUMOX_DATA_ZIP_ARCHIVE_H

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

typedef struct zip zip_t;

namespace lumox {

// How reading one part of a packed file went.
enum class PartRead {
    Read,
    Missing,   // the archive holds no such part
    TooLarge,  // it unpacks to more bytes than allowed
    Damaged,   // it cannot be unpacked or parsed
    Stopped,   // its reader asked to stop
};

// A zip archive held in memory, as office files pack their parts; read-only.
class ZipArchive {
public:
    ZipArchive() = default;
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;
    ~ZipArchive();

    // Takes the file's bytes; false when they are not a zip archive.
    bool Open(std::string bytes);
    bool Has(std::string_view part) const;
    // Unpacks the part (its name's letter case ignored, as office files name parts) and
    // hands its bytes to take in pieces, at most maxBytes in all; take returns false to
    // stop. A part whose size is declared over maxBytes is not unpacked at all.
    PartRead Read(std::string_view part, uint64_t maxBytes,
                  const std::function<bool(std::string_view)>& take) const;

private:
    std::string bytes_;
    zip_t* zip_ = nullptr;
};

}  // namespace lumox

#endif
