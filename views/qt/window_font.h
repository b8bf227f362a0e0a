#pragma once

#include <QFont>

class QStyle;

namespace kelvaro {

struct FormDescription;

// The one font of the window: the described face, else a face with its metrics, else any serif
// face with Cyrillic, made smaller where a wider face would clip a caption.
[[nodiscard]] QFont windowFont(const FormDescription &form, const QStyle &style);

} // namespace kelvaro
