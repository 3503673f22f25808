// The folder the settings are kept in is one of the program's own folders:
// one that is a link, another user's or cannot be made is not used.
#pragma once

#include <string>

// Prepares the settings' folder as every folder of the program's own. When
// it cannot be used, this run's settings go to a fresh folder of the user's
// alone instead (nothing is read from the refused one, nothing written into
// it), and the returned text says why; empty when the folder is used.
std::string GuardSettingsFolder();
