#pragma once

#include <QString>

#include <string_view>

namespace kelvaro {

// The model's UTF-8 text as Qt's, at the boundary between them.
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace kelvaro
