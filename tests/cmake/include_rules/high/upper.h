// A higher folder that includes what it links: the include check lets it be.
#pragma once

#include "low/wrong_way.h"
#include "elsewhere/not_a_library.h"
