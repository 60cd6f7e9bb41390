#include <windows.h>
// after windows.h
#include <shellapi.h>

#include "open_browser.h"

void OpenBrowser(const std::string& address) {
  ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
