#pragma once
// The number and date conventions of the whole process, installed once by the
// start-up sequence (and by tests that show formatted fields): the program's
// locale as the process default, and FormatFloat as the number picture of
// every dataset field.

namespace drav {

void installProgramFormats();

} // namespace drav
