#pragma once
#include <string>

// The folder the running executable is in, links resolved ("/usr/games"),
// whatever the working directory; empty when the system does not say.
std::string ExecutableFolder();
