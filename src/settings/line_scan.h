#pragma once
// The line syntax of both settings files. Lines end at a line feed; a
// carriage return right before it is dropped, as a text-mode read on Windows
// would drop it, and any other is an ordinary byte. Empty lines and lines
// whose first byte past spaces, tabs and '=' is '#' or ';' give nothing.
// Otherwise the key runs to the first space, tab, '=' or comment; the value
// starts past the spaces, tabs and '=' that follow it, runs to the end of the
// line or to a '#' or ';', and loses its trailing spaces and tabs. A line of
// blanks only gives an entry with an empty key.
#include <string_view>
#include <vector>

#include "settings/ini_line.h"

// Appends the entries of `text`, in file order, with offsets into it.
void ScanLines(std::string_view text, std::vector<IniLine>& lines);
