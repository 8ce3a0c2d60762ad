#include "Stripping.h"
