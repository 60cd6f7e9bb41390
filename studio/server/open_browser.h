#pragma once
// Opens the user's default browser on an address; quietly nothing when it
// cannot (the address is printed all the same).
#include <string>

void OpenBrowser(const std::string& address);
