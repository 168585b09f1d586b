#pragma once

#include <string>
#include <string_view>

namespace wv {

// How the system spells a path: on Windows a backslash separates folders and
// a path may start with a drive letter; elsewhere a backslash is a byte of a
// name like any other.
enum class PathStyle { Posix, Windows };
#ifdef _WIN32
inline constexpr PathStyle kSystemPathStyle = PathStyle::Windows;
#else
inline constexpr PathStyle kSystemPathStyle = PathStyle::Posix;
#endif

// A file: URL for an absolute path as the system spells it, each byte
// outside the plain ASCII ones percent-encoded, so that the desktop's opener
// gets the very bytes back.
std::string FileUrl(std::string_view path, PathStyle style = kSystemPathStyle);

// True for an http: or https: address (the scheme in any case), the only
// ones handed to the browser: the desktop's opener runs a program it is given
// by path, and other schemes reach other handlers.
bool IsWebAddress(std::string_view address);

}  // namespace wv
