#pragma once
#include "core/Texts.h"

namespace nx {
// The English table compiled into the code, for builds without resources.
const TextSource& EnglishTexts();
}  // namespace nx
