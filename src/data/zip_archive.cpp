#include "data/zip_archive.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace lumox {
namespace {

constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint32_t kEnd64Signature = 0x06064b50;
constexpr uint32_t kEnd64LocatorSignature = 0x07064b50;
constexpr uint32_t kDirectorySignature = 0x02014b50;
constexpr uint32_t kLocalSignature = 0x04034b50;
constexpr size_t kEndBytes = 22;
constexpr size_t kEnd64LocatorBytes = 20;
constexpr size_t kEnd64Bytes = 56;
constexpr size_t kDirectoryBytes = 46;
constexpr size_t kLocalBytes = 30;
constexpr uint16_t kZip64Extra = 0x0001;
constexpr uint16_t kEncrypted = 0x0001;
constexpr uint16_t kStored = 0;
constexpr uint16_t kDeflated = 8;

// Little-endian fields of a byte range; a read past the end gives false, never a fault.
class Fields {
public:
    Fields(std::string_view bytes, uint64_t at) : bytes_(bytes), at_(at) {}
    bool Has(uint64_t count) const { return at_ <= bytes_.size() && count <= bytes_.size() - at_; }
    template <typename T>
    T Get(uint64_t offset) const {
        T value = 0;
        for (size_t k = sizeof(T); k-- > 0;) {
            value =
                static_cast<T>(value << 8 | static_cast<unsigned char>(bytes_[at_ + offset + k]));
        }
        return value;
    }
    std::string_view Text(uint64_t offset, uint64_t count) const {
        return bytes_.substr(static_cast<size_t>(at_ + offset), static_cast<size_t>(count));
    }

private:
    std::string_view bytes_;
    uint64_t at_;
};

bool SameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// The 64-bit values of a directory entry's extra field that stand for its fields of all ones,
// in their fixed order: size, packed size, header offset.
bool ReadZip64Extra(std::string_view extra, uint64_t& size, uint64_t& packedSize,
                    uint64_t& headerOffset) {
    for (uint64_t at = 0; Fields(extra, at).Has(4);) {
        const Fields field(extra, at);
        const uint16_t id = field.Get<uint16_t>(0);
        const uint16_t length = field.Get<uint16_t>(2);
        if (!field.Has(4u + length)) return false;
        if (id == kZip64Extra) {
            const Fields values(extra.substr(static_cast<size_t>(at + 4), length), 0);
            uint64_t offset = 0;
            for (uint64_t* value : {&size, &packedSize, &headerOffset}) {
                if (*value != 0xFFFFFFFFu) continue;
                if (!values.Has(offset + 8)) return false;
                *value = values.Get<uint64_t>(offset);
                offset += 8;
            }
            return true;
        }
        at += 4u + length;
    }
    return size != 0xFFFFFFFFu && packedSize != 0xFFFFFFFFu && headerOffset != 0xFFFFFFFFu;
}

}  // namespace

bool ZipArchive::Open(std::string bytes) {
    bytes_ = std::move(bytes);
    entries_.clear();
    const std::string_view all(bytes_);
    // The end record: the last signature within its comment's reach of the end.
    if (all.size() < kEndBytes) return false;
    uint64_t end = all.size() - kEndBytes;
    const uint64_t stop = end > 0xFFFF ? end - 0xFFFF : 0;
    while (Fields(all, end).Get<uint32_t>(0) != kEndSignature) {
        if (end == stop) return false;
        --end;
    }
    const Fields record(all, end);
    uint64_t count = record.Get<uint16_t>(10);
    uint64_t directorySize = record.Get<uint32_t>(12);
    uint64_t directoryOffset = record.Get<uint32_t>(16);
    if (count == 0xFFFF || directorySize == 0xFFFFFFFFu || directoryOffset == 0xFFFFFFFFu) {
        if (end < kEnd64LocatorBytes) return false;
        const Fields locator(all, end - kEnd64LocatorBytes);
        if (locator.Get<uint32_t>(0) != kEnd64LocatorSignature) return false;
        const Fields record64(all, locator.Get<uint64_t>(8));
        if (!record64.Has(kEnd64Bytes) || record64.Get<uint32_t>(0) != kEnd64Signature)
            return false;
        count = record64.Get<uint64_t>(32);
        directorySize = record64.Get<uint64_t>(40);
        directoryOffset = record64.Get<uint64_t>(48);
    }
    if (!Fields(all, directoryOffset).Has(directorySize)) return false;
    // Each entry takes at least its fixed part: a count beyond that is a lie.
    if (count > directorySize / kDirectoryBytes) return false;
    entries_.reserve(static_cast<size_t>(count));
    const std::string_view directory =
        all.substr(static_cast<size_t>(directoryOffset), static_cast<size_t>(directorySize));
    uint64_t at = 0;
    for (uint64_t k = 0; k < count; ++k) {
        const Fields entry(directory, at);
        if (!entry.Has(kDirectoryBytes) || entry.Get<uint32_t>(0) != kDirectorySignature) {
            entries_.clear();
            return false;
        }
        const uint16_t nameLength = entry.Get<uint16_t>(28);
        const uint16_t extraLength = entry.Get<uint16_t>(30);
        const uint16_t commentLength = entry.Get<uint16_t>(32);
        const uint64_t length = kDirectoryBytes + nameLength + extraLength + commentLength;
        if (!entry.Has(length)) {
            entries_.clear();
            return false;
        }
        Entry part;
        part.flags = entry.Get<uint16_t>(8);
        part.method = entry.Get<uint16_t>(10);
        part.crc = entry.Get<uint32_t>(16);
        part.packedSize = entry.Get<uint32_t>(20);
        part.size = entry.Get<uint32_t>(24);
        part.headerOffset = entry.Get<uint32_t>(42);
        part.name = entry.Text(kDirectoryBytes, nameLength);
        if (!ReadZip64Extra(entry.Text(kDirectoryBytes + nameLength, extraLength), part.size,
                            part.packedSize, part.headerOffset)) {
            entries_.clear();
            return false;
        }
        entries_.push_back(std::move(part));
        at += length;
    }
    return true;
}

const ZipArchive::Entry* ZipArchive::Find(std::string_view part) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(), [part](const Entry& entry) {
        return SameName(entry.name, part);
    });
    return found == entries_.end() ? nullptr : &*found;
}

bool ZipArchive::Has(std::string_view part) const { return Find(part) != nullptr; }

PartRead ZipArchive::Read(std::string_view part, uint64_t maxBytes,
                          const std::function<bool(std::string_view)>& take) const {
    const Entry* entry = Find(part);
    if (entry == nullptr) return PartRead::Missing;
    if (entry->size > maxBytes) return PartRead::TooLarge;
    if ((entry->flags & kEncrypted) != 0) return PartRead::Damaged;
    // The packed bytes follow the part's local header, whose own name and extra field may
    // differ in length from the directory's.
    const std::string_view all(bytes_);
    const Fields local(all, entry->headerOffset);
    if (!local.Has(kLocalBytes) || local.Get<uint32_t>(0) != kLocalSignature) {
        return PartRead::Damaged;
    }
    const uint64_t start =
        entry->headerOffset + kLocalBytes + local.Get<uint16_t>(26) + local.Get<uint16_t>(28);
    if (!Fields(all, start).Has(entry->packedSize)) return PartRead::Damaged;
    return Unpack(*entry,
                  all.substr(static_cast<size_t>(start), static_cast<size_t>(entry->packedSize)),
                  maxBytes, take);
}

PartRead ZipArchive::Unpack(const Entry& entry, std::string_view packed, uint64_t maxBytes,
                            const std::function<bool(std::string_view)>& take) const {
    // The declared size may lie: the bytes are counted as they come, and the part is whole
    // only when their number and checksum are the declared ones.
    uint64_t total = 0;
    uLong crc = crc32(0L, Z_NULL, 0);
    const auto deliver = [&](std::string_view bytes) {
        total += bytes.size();
        if (total > maxBytes) return PartRead::TooLarge;
        crc = crc32_z(crc, reinterpret_cast<const Bytef*>(bytes.data()), bytes.size());
        return take(bytes) ? PartRead::Read : PartRead::Stopped;
    };
    const auto whole = [&] {
        return total == entry.size && crc == entry.crc ? PartRead::Read : PartRead::Damaged;
    };
    constexpr size_t kPiece = 65536;
    if (entry.method == kStored) {
        if (packed.size() != entry.size) return PartRead::Damaged;
        for (size_t at = 0; at < packed.size(); at += kPiece) {
            const PartRead result = deliver(packed.substr(at, kPiece));
            if (result != PartRead::Read) return result;
        }
        return whole();
    }
    if (entry.method != kDeflated) return PartRead::Damaged;
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) return PartRead::Damaged;
    const std::unique_ptr<z_stream, int (*)(z_stream*)> ended(&stream, inflateEnd);
    auto buffer = std::make_unique<char[]>(kPiece);
    size_t fed = 0;
    while (true) {
        if (stream.avail_in == 0 && fed < packed.size()) {
            const size_t piece = std::min<size_t>(packed.size() - fed, 1u << 30);
            stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data() + fed));
            stream.avail_in = static_cast<uInt>(piece);
            fed += piece;
        }
        stream.next_out = reinterpret_cast<Bytef*>(buffer.get());
        stream.avail_out = kPiece;
        const int status = inflate(&stream, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END) return PartRead::Damaged;
        const size_t got = kPiece - stream.avail_out;
        if (got > 0) {
            const PartRead result = deliver(std::string_view(buffer.get(), got));
            if (result != PartRead::Read) return result;
        }
        if (status == Z_STREAM_END) return whole();
        // No progress with all input given: the packed bytes end before the stream does.
        if (got == 0 && stream.avail_in == 0 && fed == packed.size()) return PartRead::Damaged;
    }
}

}  // namespace lumox
