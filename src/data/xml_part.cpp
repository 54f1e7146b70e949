#include "data/xml_part.h"

#include <expat.h>

#include <cstring>
#include <memory>

#include "platform/format.h"

namespace lumox {
namespace {

constexpr char kNamespaceSeparator = '|';

struct ParseState {
    XML_Parser parser;
    XmlPartReader& reader;
    bool doctype = false;
};

void StopIfAsked(ParseState& state) {
    if (state.reader.Stop()) XML_StopParser(state.parser, XML_FALSE);
}

void OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
    auto& state = *static_cast<ParseState*>(data);
    state.reader.StartElement(name, attributes);
    StopIfAsked(state);
}

void OnEnd(void* data, const XML_Char* name) {
    auto& state = *static_cast<ParseState*>(data);
    state.reader.EndElement(name);
    StopIfAsked(state);
}

void OnText(void* data, const XML_Char* text, int length) {
    static_cast<ParseState*>(data)->reader.Text(
        std::string_view(text, static_cast<size_t>(length)));
}

void OnDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
    auto& state = *static_cast<ParseState*>(data);
    state.doctype = true;
    XML_StopParser(state.parser, XML_FALSE);
}

}  // namespace

std::string_view LocalName(std::string_view name) {
    const size_t separator = name.rfind(kNamespaceSeparator);
    return separator == std::string_view::npos ? name : name.substr(separator + 1);
}

const char* FindAttribute(const char** attributes, std::string_view name, bool local) {
    for (; attributes[0] != nullptr; attributes += 2) {
        if ((local ? LocalName(attributes[0]) : std::string_view(attributes[0])) == name) {
            return attributes[1];
        }
    }
    return nullptr;
}

PartRead ParseXmlPart(const ZipArchive& zip, std::string_view part, uint64_t maxBytes,
                      XmlPartReader& reader, std::string& reason) {
    const std::unique_ptr<XML_ParserStruct, void (*)(XML_Parser)> parser(
        XML_ParserCreateNS(nullptr, kNamespaceSeparator), XML_ParserFree);
    if (!parser) return PartRead::Damaged;
    ParseState state{parser.get(), reader};
    XML_SetUserData(parser.get(), &state);
    XML_SetElementHandler(parser.get(), OnStart, OnEnd);
    XML_SetCharacterDataHandler(parser.get(), OnText);
    XML_SetStartDoctypeDeclHandler(parser.get(), OnDoctype);
    auto Failed = [&] {
        if (state.doctype) {
            reason = Format("%.*s holds a document type declaration", static_cast<int>(part.size()),
                            part.data());
        } else {
            reason = Format("%.*s: %s at line %lu", static_cast<int>(part.size()), part.data(),
                            XML_ErrorString(XML_GetErrorCode(parser.get())),
                            static_cast<unsigned long>(XML_GetCurrentLineNumber(parser.get())));
        }
        return false;
    };
    bool stopped = false;
    const PartRead read = zip.Read(part, maxBytes, [&](std::string_view bytes) {
        if (XML_Parse(parser.get(), bytes.data(), static_cast<int>(bytes.size()), XML_FALSE) ==
            XML_STATUS_OK) {
            return true;
        }
        stopped = XML_GetErrorCode(parser.get()) == XML_ERROR_ABORTED && !state.doctype;
        return stopped ? false : Failed();
    });
    if (read == PartRead::Stopped) return stopped ? PartRead::Stopped : PartRead::Damaged;
    if (read != PartRead::Read) {
        if (read == PartRead::Damaged) reason = std::string(part) + " cannot be unpacked";
        return read;
    }
    if (XML_Parse(parser.get(), nullptr, 0, XML_TRUE) != XML_STATUS_OK) {
        if (XML_GetErrorCode(parser.get()) == XML_ERROR_ABORTED && !state.doctype) {
            return PartRead::Stopped;
        }
        Failed();
        return PartRead::Damaged;
    }
    return PartRead::Read;
}

}  // namespace lumox
