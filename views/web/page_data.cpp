#include "page_data.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kelvaro::web {

namespace {

void appendHex(std::string &text, std::uint8_t byte)
{
    constexpr std::string_view digits = "0123456789abcdef";
    text += digits[byte >> 4U];
    text += digits[byte & 15U];
}

// The JSON of each of `items`, joined with commas in `open` and `close`: an array or an object.
template<typename Items, typename ToJson>
std::string joined(char open, const Items &items, ToJson toJson, char close)
{
    std::string json(1, open);
    for (const auto &item : items)
        json += toJson(item) + ',';
    if (json.size() > 1)
        json.pop_back();
    return json + close;
}

std::string asIs(const std::string &json)
{
    return json;
}

std::string field(std::string_view key, std::string_view json)
{
    return jsonString(key) + ':' + std::string(json);
}

std::string number(std::string_view key, int value)
{
    return field(key, std::to_string(value));
}

std::string flag(std::string_view key, bool value)
{
    return field(key, value ? "true" : "false");
}

} // namespace

std::string jsonString(std::string_view text)
{
    std::string json = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20) {
            json += "\\u00";
            appendHex(json, byte);
        } else {
            json += c; // UTF-8 passes as it is
        }
    }
    return json + '"';
}

std::string viewJson(const ViewState &state)
{
    const auto object = [](const ControlView &view) {
        const std::vector<std::string> fields {
            field("text", jsonString(view.text)),
            flag("checked", view.checked),
            number("pick", view.pick),
            field("name", jsonString(view.accessibleName)),
            field("description", jsonString(view.accessibleDescription)),
            flag("tabStop", view.tabStop),
            flag("fromFirstLine", view.fromFirstLine)};
        return joined('{', fields, asIs, '}');
    };
    return joined('[', state, object, ']');
}

} // namespace kelvaro::web
