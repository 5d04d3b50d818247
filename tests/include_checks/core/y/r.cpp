#include "core/x/s.h"
