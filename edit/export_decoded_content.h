#pragma once
#include "config/window.h"

// ListView1's right click: the whole body decoded as one chain, saved as "<chosen>.txt".
void export_decoded_content(Context& context);
