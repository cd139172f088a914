#include "text/ShiftJisCodec.h"
