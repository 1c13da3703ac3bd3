#include "cli/json_output.h"

#include <nlohmann/json.hpp>

#include "format/gbk_text.h"
#include "numeric/hex_helpers.h"
#include "platform/console.h"

namespace {

using Json = nlohmann::ordered_json;

void put_text(Json& object, const std::string& key, const std::string& gbk) {
    std::string utf8;
    const bool exact = gbk_to_utf8(gbk, utf8);
    object[key] = utf8;
    if (!exact || !is_valid_gbk(gbk)) object[key + "_hex"] = bytes_to_hex(gbk);
}

void put_side(Json& object, const std::string& key, const std::optional<std::string>& gbk) {
    if (gbk) {
        put_text(object, key, *gbk);
    } else {
        object[key] = nullptr;
    }
}

std::string kind_name(FileKind kind) { return kind == FileKind::config ? "config" : "module"; }

// A path from a POSIX command line need not be UTF-8: it is shown with U+FFFD, not refused.
std::string document(const Json& json) { return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n"; }

}  // namespace

std::string list_document(FileKind kind, Edition edition, const std::vector<ListedRow>& rows) {
    Json json;
    json["kind"] = kind_name(kind);
    if (kind == FileKind::config) {
        const std::string_view section = comment_section(edition);
        json["edition"] = section.empty() ? Json(nullptr) : Json(std::string(section));
    }
    json["records"] = Json::array();
    for (const ListedRow& row : rows) {
        Json record;
        record["address"] = row.address;
        put_text(record, "value", row.value);
        if (kind == FileKind::config) put_text(record, "comment", row.comment);
        json["records"].push_back(std::move(record));
    }
    return document(json);
}

std::string get_document(std::int64_t offset, const std::string& value) {
    Json json;
    json["address"] = offset_hex(offset);
    put_text(json, "value", value);
    return document(json);
}

std::string diff_document(FileKind kind, const std::string& a, const std::string& b,
                          const std::vector<Difference>& differences) {
    Json json;
    json["kind"] = kind_name(kind);
    json["a"] = a;
    json["b"] = b;
    json["differences"] = Json::array();
    for (const Difference& d : differences) {
        Json record;
        record["address"] = d.address;
        put_side(record, "value_a", d.a);
        put_side(record, "value_b", d.b);
        json["differences"].push_back(std::move(record));
    }
    return document(json);
}
