#pragma once

#include <QString>

namespace drav {

// The program folder, with a trailing separator: the executable's folder when
// it is writable (settings, backups and traces live beside the program),
// otherwise a per-user data folder. Chosen once per run.
QString programFolder();

} // namespace drav
