#include "Main.h"
