#ifndef LUMOX_DATA_ZIP_ARCHIVE_H
#define LUMOX_DATA_ZIP_ARCHIVE_H

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lumox {

// How reading one part of a packed file went.
enum class PartRead {
    Read,
    Missing,   // the archive holds no such part
    TooLarge,  // it unpacks to more bytes than allowed
    Damaged,   // it cannot be unpacked or parsed
    Stopped,   // its reader asked to stop
};

// A zip archive held in memory, as office files pack their parts; read-only. Parts stored
// or deflated, with the 64-bit sizes of large archives; each part's checksum is verified.
class ZipArchive {
public:
    // Takes the file's bytes; false when they are not a zip archive (no readable directory).
    bool Open(std::string bytes);
    bool Has(std::string_view part) const;
    // Unpacks the part (its name's letter case ignored, as office files name parts) and
    // hands its bytes to take in pieces, at most maxBytes in all; take returns false to
    // stop. A part whose size is declared over maxBytes is not unpacked at all.
    PartRead Read(std::string_view part, uint64_t maxBytes,
                  const std::function<bool(std::string_view)>& take) const;

private:
    // One part, as the archive's central directory lists it.
    struct Entry {
        std::string name;
        uint16_t flags = 0;
        uint16_t method = 0;
        uint32_t crc = 0;
        uint64_t packedSize = 0;
        uint64_t size = 0;
        uint64_t headerOffset = 0;
    };
    const Entry* Find(std::string_view part) const;
    PartRead Unpack(const Entry& entry, std::string_view packed, uint64_t maxBytes,
                    const std::function<bool(std::string_view)>& take) const;

    std::string bytes_;
    std::vector<Entry> entries_;
};

}  // namespace lumox

#endif
