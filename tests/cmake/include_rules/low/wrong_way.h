// A lower folder that reaches up: the include check must refuse it.
#pragma once

#include "high/upper.h"
