#include "page_data.h"

#include "colours.h"
#include "form_description.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kelvaro::web {

namespace {

// The browser's own colours, standing for the system's where the design leaves a colour to it.
// Under forced colours the browser puts the user's colours in place of all of them.
constexpr SystemColours browserColours {.window = {255, 255, 255},
                                        .windowText = {0, 0, 0},
                                        .buttonFace = {239, 239, 239},
                                        .buttonText = {0, 0, 0}};

std::string_view kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
        return "label";
    case ControlKind::Frame:
        return "frame";
    case ControlKind::OptionButton:
        return "option";
    case ControlKind::ListBox:
        return "list";
    case ControlKind::CommandButton:
        return "command";
    case ControlKind::TextBox:
        break;
    }
    return "text";
}

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

std::string cssColour(Rgb colour)
{
    std::string css = "\"#";
    for (const std::uint8_t channel : {colour.red, colour.green, colour.blue})
        appendHex(css, channel);
    return css + '"';
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

std::string coloursJson(const ControlColours &colours)
{
    return field("background", cssColour(colours.background)) + ','
        + field("color", cssColour(colours.text));
}

std::string controlJson(const ControlDescription &control)
{
    std::string json = '{' + field("id", jsonString(controlName(control))) + ','
        + field("kind", jsonString(kindName(control.kind))) + ','
        + number("left", twipsToPixels(control.rect.left)) + ','
        + number("top", twipsToPixels(control.rect.top)) + ','
        + number("width", twipsToPixels(control.rect.width)) + ','
        + number("height", twipsToPixels(control.rect.height)) + ','
        + flag("inFrame", control.inFrame) + ',';
    json += control.background ? coloursJson(controlColours(control, browserColours))
                               : field("background", "null") + ',' + field("color", "null");
    return json + ',' + field("items", joined('[', control.items, jsonString, ']')) + '}';
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

std::string designJson()
{
    const FormDescription &form = kelvaroForm();
    std::string json = '{' + field("title", jsonString(form.caption)) + ','
        + number("width", twipsToPixels(form.clientWidth)) + ','
        + number("height", twipsToPixels(form.clientHeight)) + ','
        + coloursJson(formColours(form, browserColours)) + ','
        + field("font",
                '{' + field("family", jsonString(form.font.family)) + ','
                    + number("points", form.font.pointSize) + '}')
        + ',' + number("focus", static_cast<int>(focusAtStart())) + ',';
    const auto control = [](const ControlDescription *shown) { return controlJson(*shown); };
    return json + field("controls", joined('[', shownControls(), control, ']')) + '}';
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
            flag("tabStop", view.tabStop)};
        return joined('{', fields, asIs, '}');
    };
    return joined('[', state, object, ']');
}

} // namespace kelvaro::web
