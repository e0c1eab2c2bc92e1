#include "LayoutBuilder.h"
