#include "data/zip_archive.h"

#include <zip.h>

#include <memory>

namespace lumox {

ZipArchive::~ZipArchive() {
    if (zip_ != nullptr) zip_discard(zip_);
}

bool ZipArchive::Open(std::string bytes) {
    if (zip_ != nullptr) zip_discard(zip_);
    zip_ = nullptr;
    bytes_ = std::move(bytes);
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes_.data(), bytes_.size(), 0, &error);
    if (source != nullptr) {
        zip_ = zip_open_from_source(source, ZIP_RDONLY, &error);
        if (zip_ == nullptr) zip_source_free(source);
    }
    zip_error_fini(&error);
    return zip_ != nullptr;
}

bool ZipArchive::Has(std::string_view part) const {
    return zip_ != nullptr && zip_name_locate(zip_, std::string(part).c_str(), ZIP_FL_NOCASE) >= 0;
}

PartRead ZipArchive::Read(std::string_view part, uint64_t maxBytes,
                          const std::function<bool(std::string_view)>& take) const {
    if (zip_ == nullptr) return PartRead::Missing;
    const zip_int64_t index = zip_name_locate(zip_, std::string(part).c_str(), ZIP_FL_NOCASE);
    if (index < 0) return PartRead::Missing;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(zip_, static_cast<zip_uint64_t>(index), 0, &stat) != 0) {
        return PartRead::Damaged;
    }
    if ((stat.valid & ZIP_STAT_SIZE) != 0 && stat.size > maxBytes) return PartRead::TooLarge;
    const std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> file(
        zip_fopen_index(zip_, static_cast<zip_uint64_t>(index), 0), zip_fclose);
    if (!file) return PartRead::Damaged;
    // The declared size may lie: the bytes are counted as they come.
    char buffer[65536];
    uint64_t total = 0;
    while (true) {
        const zip_int64_t got = zip_fread(file.get(), buffer, sizeof buffer);
        if (got < 0) return PartRead::Damaged;
        if (got == 0) return PartRead::Read;
        total += static_cast<uint64_t>(got);
        if (total > maxBytes) return PartRead::TooLarge;
        if (!take(std::string_view(buffer, static_cast<size_t>(got)))) return PartRead::Stopped;
    }
}

}  // namespace lumox
