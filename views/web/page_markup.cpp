#include "page_markup.h"

#include "colours.h"
#include "form_description.h"
#include "view_state.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>

namespace kelvaro::web {

namespace {

// Under forced colours each system colour is a CSS keyword. The decisions are taken with a
// stand-in for each, the keyword's place in this list in blue, and every colour that comes back
// must be one of them: under high contrast the user's scheme is taken whole.
constexpr std::array<std::string_view, 6> keywords {"Canvas",     "CanvasText", "ButtonFace",
                                                    "ButtonText", "Highlight",  "HighlightText"};

constexpr Rgb standIn(std::uint8_t keyword)
{
    return {0, 0, static_cast<std::uint8_t>(keyword + 1)};
}

constexpr SystemColours forcedColours {.window = standIn(0),
                                       .windowText = standIn(1),
                                       .buttonFace = standIn(2),
                                       .buttonText = standIn(3),
                                       .highlight = standIn(4),
                                       .highlightText = standIn(5),
                                       .highContrast = true};

std::string cssColour(Rgb colour, const SystemColours &system)
{
    if (system.highContrast) {
        const std::size_t keyword = colour.blue - 1U;
        if (colour.red != 0 || colour.green != 0 || keyword >= keywords.size())
            throw std::logic_error("a colour under forced colours that is no system colour");
        return std::string(keywords.at(keyword));
    }
    constexpr std::string_view digits = "0123456789abcdef";
    std::string css = "#";
    for (const std::uint8_t channel : {colour.red, colour.green, colour.blue}) {
        css += digits[channel >> 4U];
        css += digits[channel & 15U];
    }
    return css;
}

std::string property(std::string_view name, Rgb colour, const SystemColours &system)
{
    return "--" + std::string(name) + ':' + cssColour(colour, system) + ';';
}

// The style sheet's colours in one scheme: the window's, and each control's own. Around the
// window, where the page shows it 1:1, lies the system's window colour.
std::string colourRules(const SystemColours &system)
{
    const ControlColours window = formColours(kelvaroForm(), system);
    const TextColours picked = pickedRowColours(system);
    std::string css = ":root{" + property("desk", system.window, system)
        + property("window", window.background, system)
        + property("window-text", window.text, system) + property("light", window.light, system)
        + property("focus", window.mark.background, system)
        + property("pick", picked.background, system) + property("pick-text", picked.text, system)
        + '}';
    for (const ControlDescription *control : shownControls()) {
        const ControlColours own = controlColours(*control, system);
        // An alloy button's colours are those of its label, which holds the input and caption.
        const std::string id = controlName(*control);
        css += (control->inFrame ? "[for=" + id + ']' : '#' + id) + '{'
            + property("background", own.background, system) + property("text", own.text, system)
            + property("edge", own.edge, system)
            + property("pressed", own.pressed.background, system)
            + property("pressed-text", own.pressed.text, system) + '}';
    }
    return css;
}

std::string attribute(std::string_view name, std::string_view value)
{
    return ' ' + std::string(name) + "=\"" + htmlText(value) + '"';
}

std::string place(const ControlDescription &control)
{
    const TwipsRect &rect = control.rect;
    return attribute("style",
                     "--left:" + std::to_string(twipsToPixels(rect.left))
                         + ";--top:" + std::to_string(twipsToPixels(rect.top))
                         + ";--width:" + std::to_string(twipsToPixels(rect.width))
                         + ";--height:" + std::to_string(twipsToPixels(rect.height)));
}

// The name and description a screen reader hears; where the control shows its name, its
// content names it.
std::string named(const ControlView &view)
{
    std::string attributes;
    if (view.accessibleName != view.text)
        attributes += attribute("aria-label", view.accessibleName);
    if (!view.accessibleDescription.empty())
        attributes += attribute("aria-description", view.accessibleDescription);
    return attributes;
}

std::string tabStop(const ControlView &view)
{
    return view.tabStop ? std::string() : attribute("tabindex", "-1");
}

// An element list: a list box of its own rather than a `select`, which phones show as a menu
// that hides the elements until it is opened; its name is shown over it where the lists wrap.
std::string listMarkup(const ControlView &view, const std::string &id)
{
    const ControlDescription &control = *view.control;
    std::string html = R"(<div class="list"><div class="name")" + attribute("id", id + "_name")
        + '>' + htmlText(view.accessibleName) + "</div><div role=\"listbox\"" + attribute("id", id)
        + place(control) + attribute("tabindex", view.tabStop ? "0" : "-1")
        + attribute("aria-labelledby", id + "_name")
        + attribute("aria-description", view.accessibleDescription);
    if (view.pick != noSelection)
        html += attribute("aria-activedescendant", id + '_' + std::to_string(view.pick));
    html += '>';
    for (std::size_t row = 0; row < control.items.size(); ++row) {
        const bool picked = static_cast<Index>(row) == view.pick;
        html += "<div role=\"option\"" + attribute("id", id + '_' + std::to_string(row))
            + attribute("aria-selected", picked ? "true" : "false") + '>'
            + htmlText(control.items[row]) + "</div>";
    }
    return html + "</div></div>";
}

// One control as the page shows it at start; the frame is left open for its buttons.
std::string controlMarkup(const ControlView &view)
{
    const ControlDescription &control = *view.control;
    const std::string id = controlName(control);
    const std::string text = htmlText(view.text);
    switch (control.kind) {
    case ControlKind::Label:
        return "<div class=\"label\"" + attribute("id", id) + place(control) + '>' + text
            + "</div>";
    case ControlKind::Frame:
        return "<fieldset" + attribute("id", id) + place(control) + named(view) + "><legend>" + text
            + "</legend>";
    case ControlKind::OptionButton:
        return "<label class=\"option\"" + attribute("for", id) + place(control)
            + R"(><input type="radio" name="Option1")" + attribute("id", id) + tabStop(view)
            + (view.checked ? " checked" : "") + named(view) + "><span>" + text + "</span></label>";
    case ControlKind::ListBox:
        return listMarkup(view, id);
    case ControlKind::CommandButton:
        return "<button type=\"button\"" + attribute("id", id) + place(control) + tabStop(view)
            + named(view) + '>' + text + "</button>";
    case ControlKind::TextBox:
        break;
    }
    std::string lines = view.text;
    for (auto at = lines.find("\r\n"); at != std::string::npos; at = lines.find("\r\n", at))
        lines.erase(at, 1);
    // The parser drops a line end just after the tag, so one is given for it to drop.
    return "<textarea" + attribute("id", id) + place(control) + tabStop(view)
        + " readonly spellcheck=\"false\"" + named(view) + ">\n" + htmlText(lines) + "</textarea>";
}

const ControlDescription &tabPosition(Index tabIndex)
{
    const auto &shown = shownControls();
    const auto found = std::find_if(shown.begin(), shown.end(),
                                    [tabIndex](const auto *c) { return c->tabIndex == tabIndex; });
    if (found == shown.end())
        throw std::logic_error("a label heads no shown control");
    return **found;
}

// The block of the page a control stands in, which the style sheet lays out as one: the alloy
// buttons in their frame, the element lists with their heading, and the command buttons in a
// bar with the line that says the outcome.
std::string_view blockOf(const ControlDescription &control)
{
    if (control.inFrame)
        return "Frame1";
    if (control.kind == ControlKind::Label
        && tabPosition(control.heads).kind == ControlKind::ListBox)
        return "elements";
    if (control.kind == ControlKind::ListBox)
        return "elements";
    return control.kind == ControlKind::CommandButton ? "commands" : "";
}

} // namespace

std::string htmlText(std::string_view text)
{
    std::string html;
    for (const char c : text) {
        switch (c) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        case '"':
            html += "&quot;";
            break;
        default:
            html += c;
        }
    }
    return html;
}

std::string headMarkup()
{
    const FormDescription &form = kelvaroForm();
    const std::string title = htmlText(windowView().title); // the page's frame is the browser's
    return "<title>" + title + "</title>\n<meta name=\"theme-color\" content=\""
        + cssColour(formColours(form, browserColours).background, browserColours)
        + "\">\n<meta name=\"apple-mobile-web-app-title\" content=\"" + title + "\">\n<style>"
        + colourRules(browserColours) + "@media (forced-colors:active){"
        + colourRules(forcedColours) + "}</style>\n";
}

std::string windowMarkup()
{
    const FormDescription &form = kelvaroForm();
    const ViewState start = viewState(loadKelvaro());
    std::string order; // the ids of the shown controls, in the core's order
    for (const ControlDescription *control : shownControls())
        order.append(order.empty() ? "" : " ").append(controlName(*control));
    std::string html = "<div id=\"Kelvaro\"" + attribute("data-controls", order)
        + attribute("data-focus", controlName(*shownControls().at(focusAtStart())))
        + attribute("style",
                    "--width:" + std::to_string(twipsToPixels(form.clientWidth))
                        + ";--height:" + std::to_string(twipsToPixels(form.clientHeight))
                        + ";--points:" + std::to_string(form.font.pointSize) + ";--face:'"
                        + std::string(form.font.family) + '\'')
        + ">\n";
    std::string_view block; // the block being written
    const auto close = [&html, &block] {
        if (block == "Frame1")
            html += "</fieldset>\n";
        else if (!block.empty())
            html += std::string(block == "commands" ? R"(<p id="outcome" aria-live="polite"></p>)"
                                                    : "")
                + "</div>\n";
        block = {};
    };
    for (const ControlDescription *control : readingOrder()) {
        if (blockOf(*control) != block) {
            close();
            block = blockOf(*control);
            if (!block.empty() && block != "Frame1")
                html += "<div" + attribute("id", block) + '>';
        }
        const auto view = std::find_if(start.begin(), start.end(),
                                       [control](const auto &v) { return v.control == control; });
        html += controlMarkup(*view) + '\n';
        if (control->kind == ControlKind::Frame)
            block = "Frame1";
    }
    close();
    return html + "</div>\n";
}

} // namespace kelvaro::web
