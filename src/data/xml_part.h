#ifndef LUMOX_DATA_XML_PART_H
#define LUMOX_DATA_XML_PART_H

#include <string>
#include <string_view>

#include "data/zip_archive.h"

namespace lumox {

// What reads one XML part of an office file. Element and attribute names come as
// "namespace|local", or "local" alone where no namespace applies.
class XmlPartReader {
public:
    virtual ~XmlPartReader() = default;
    // attributes: name, value, name, value, ..., then null.
    virtual void StartElement(std::string_view name, const char** attributes) = 0;
    virtual void EndElement(std::string_view name) = 0;
    virtual void Text(std::string_view /*text*/) {}
    // Asked after each element: true ends the parse at once (the part reads as Stopped).
    virtual bool Stop() const { return false; }
};

// The name after its namespace.
std::string_view LocalName(std::string_view name);
// The value of the attribute of that name, compared whole or, with local set, by its
// local name; null when there is none.
const char* FindAttribute(const char** attributes, std::string_view name, bool local = false);

// Parses the part with reader, unpacking at most maxBytes. A part with a document type
// declaration is damaged: none of the office formats has one, and it could make a small
// part expand without end. reason tells what was wrong with a damaged part.
PartRead ParseXmlPart(const ZipArchive& zip, std::string_view part, uint64_t maxBytes,
                      XmlPartReader& reader, std::string& reason);

}  // namespace lumox

#endif
