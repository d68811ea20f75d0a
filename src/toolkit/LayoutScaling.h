#pragma once
// Scaling a layout designed at 120 pixels per inch to the screen's density, and the focus order
// of its controls.

#include <functional>
#include <string_view>
#include <vector>

#include "toolkit/LayoutDescription.h"

// a * num / den rounded to the nearest integer, halves away from zero.
int MulDivRound(int a, int num, int den);

// The window font's character height on a screen of the given density.
int ScaleFontHeight(int designHeight, int pixelsPerInch);

// Scales left/top and right/bottom edges by num/den, so adjacent controls stay adjacent.
Bounds ScaleBounds(const Bounds& b, int num, int den);

// Names of the controls that Tab visits, in order: depth first through the containers, each
// level by tab order. `available` says whether a control (and so its children) can take part now
// (visible and enabled).
std::vector<std::string_view> TabSequence(const FormDesc& form,
                                          const std::function<bool(std::string_view)>& available);
