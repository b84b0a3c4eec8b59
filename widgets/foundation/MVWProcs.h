#pragma once

#include "widgets/foundation/portable/MVWBlockCodec.h"

#include <windows.h>

#include <string>

namespace marivo {

// The source's proportions scaled to fit the target, at its top-left; empty for an empty source.
void FitRectProportional(const RECT& source, const RECT& target, RECT& result);
void RectSize(const RECT& rect, int& width, int& height);
// Both corners of inner lie in outer as PtInRect sees it, so no rect lies in its equal.
bool RectInRect(const RECT& inner, const RECT& outer);
// The bounds of rect turned by angle degrees about its centre, moved to (0, 0); 0 leaves it.
void RotatedRectBounds(RECT& rect, int angle);
void OffsetPoints(POINT* points, int highIndex, int dx, int dy);

enum TMVWPathPrefix { ppWindows, ppSystem, ppProgram, ppFixed };

std::string WindowsDirectory();
std::string SystemDirectory();
// The folder of the program's file, without a final "\".
std::string ProgramDirectory();
// The folder of the kind, with or without a final "\"; "" for any other kind.
void PathOfPrefix(int kind, bool trailingBackslash, std::string& path);

} // namespace marivo
