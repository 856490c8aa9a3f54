#pragma once

// While set, nothing is drawn into any surface and Present shows and waits
// for nothing: a match run without a window (a replay checked, steps run
// again to catch up) takes every step of its rules with the pictures left
// out, so the rules run exactly as they do on screen. Off by default.
extern bool drawingSkipped;
