#include "output/valuelist.h"
