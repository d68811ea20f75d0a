#pragma once
// The main window's layout description.

#include "toolkit/LayoutDescription.h"

const FormDesc& Form1Layout();
