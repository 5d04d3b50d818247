#include "core/y/q.h"
