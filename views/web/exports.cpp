// The functions the page's script calls: the view state as JSON, and the user's input, each
// addressed by the control's position in shownControls().
#include "page_data.h"
#include "view_state.h"
#include "window_model.h"

#include <emscripten/emscripten.h>

#include <cstddef>
#include <string>

namespace {

using namespace kelvaro;

// The page has one window, and so one model, for as long as it is open.
Kelvaro &form()
{
    static Kelvaro model = loadKelvaro();
    return model;
}

// Each answer lives until the next call; the script copies it out at once.
const char *answer(std::string text)
{
    static std::string last;
    last = std::move(text);
    return last.c_str();
}

const ControlDescription &shownAt(int position)
{
    return *shownControls().at(static_cast<std::size_t>(position));
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char *kelvaro_view()
{
    return answer(web::viewJson(viewState(form())));
}

EMSCRIPTEN_KEEPALIVE void kelvaro_pick(int position, int row)
{
    pickRow(form(), shownAt(position), static_cast<Index>(row));
}

EMSCRIPTEN_KEEPALIVE void kelvaro_select(int position)
{
    selectButton(form(), shownAt(position));
}

EMSCRIPTEN_KEEPALIVE const char *kelvaro_press(int position)
{
    return answer(pressCommand(form(), shownAt(position)));
}

} // extern "C"
