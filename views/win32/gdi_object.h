#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace kelvaro::win32 {

struct GdiObjectDeleter
{
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

// A font or brush that the window owns and deletes with itself.
template<typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

} // namespace kelvaro::win32
