#include "Pinnacle.h"
