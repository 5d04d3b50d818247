// Part of unit a, which b includes.
#include "core/model/b.h"
