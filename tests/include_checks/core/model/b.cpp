#include "core/model/b.h"
#include "core/model/a.h"
