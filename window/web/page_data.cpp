#include "page_data.h"

#include "colours.h"
#include "form_description.h"

#include <cstdint>
#include <string>

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

std::string cssColour(Rgb colour)
{
    constexpr std::string_view digits = "0123456789abcdef";
    std::string css = "\"#";
    for (const std::uint8_t channel : {colour.red, colour.green, colour.blue}) {
        css += digits[channel >> 4U];
        css += digits[channel & 15U];
    }
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
    json += ',' + field("items", "[");
    for (std::string_view item : control.items)
        json += jsonString(item) + ',';
    if (json.back() == ',')
        json.pop_back();
    return json + "]}";
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
            constexpr std::string_view digits = "0123456789abcdef";
            json += "\\u00";
            json += digits[byte >> 4U];
            json += digits[byte & 15U];
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
        + ',' + number("focus", static_cast<int>(focusAtStart())) + ',' + field("controls", "[");
    for (const ControlDescription *control : shownControls())
        json += controlJson(*control) + ',';
    json.back() = ']';
    return json + '}';
}

std::string viewJson(const ViewState &state)
{
    std::string json = "[";
    for (const ControlView &view : state) {
        json += '{' + field("text", jsonString(view.text)) + ',' + flag("checked", view.checked)
            + ',' + number("pick", view.pick) + ',' + field("name", jsonString(view.accessibleName))
            + ',' + field("description", jsonString(view.accessibleDescription)) + ','
            + flag("tabStop", view.tabStop) + "},";
    }
    if (json.back() == ',')
        json.pop_back();
    return json + ']';
}

} // namespace kelvaro::web
