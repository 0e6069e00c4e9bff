#include "core/AllClass.h"

TALL AppState;
