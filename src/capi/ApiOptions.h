#pragma once
// The C interface's options read into the engine's: every field checked, a zero date meaning the
// local system date.

#include "codes/ConversionCode.h"
#include "quorlin.h"

// False when a field is out of range (or the struct is too short to hold the fields read).
bool ReadApiOptions(const quorlin_options* options, CodeOptions& out);
