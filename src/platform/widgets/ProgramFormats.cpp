#include "platform/widgets/ProgramFormats.h"

#include "platform/dataset/Field.h"
#include "platform/format/Formats.h"

namespace drav {

void installProgramFormats() {
    applyProgramFormats();
    ds::setNumberFormatter(FormatFloat);
}

} // namespace drav
