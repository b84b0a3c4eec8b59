#pragma once

#include "platform/ui/Canvas.h"
#include "platform/ui/Pictures.h"
#include "widgets/foundation/MVWShadow.h"
#include "widgets/foundation/MVWSimpleBevel.h"
#include "widgets/foundation/portable/MVWPointList.h"
#include "widgets/foundation/portable/MVWShapeGeometry.h"

#include <windows.h>

namespace marivo {

// The outline values of a shape: no shadow or one of style hssNone has depth 0, no bevel draws
// with a pen of width 1.
TMVWShapeSettings ShapeSettings(TMVWShapeType shape, const TMVWShadow* shadow,
                                const TMVWSimpleBevel* bevel, TMVWPercent roundPercent,
                                bool square);

// The outer, then the inner outline of the shape in rect, relative to its top-left corner.
void CalcShapeGeometry(const RECT& rect, TMVWShapeType shape, const TMVWShadow* shadow,
                       const TMVWSimpleBevel* bevel, TMVWPercent roundPercent, bool square,
                       TMVWPointList& points);

// Draws shadow, body, outline and bevel of the shape from the outline in points (computed for the
// call when none is given), the body filled with the brush or showing the picture inside the
// shape. The mask colour must not occur where the shape is. The rectangle starts at (0, 0); a
// box that leaves the shadow no room is not drawn. The given list is as it was afterwards.
void PaintShape(TCanvas& canvas, const RECT& rect, TMVWShapeType shape, const TMVWShadow* shadow,
                const TMVWSimpleBevel* bevel, TMVWPercent roundPercent, const TBrush& brush,
                bool square, TColor backgroundColor, TColor maskColor, TBitmap* picture,
                TMVWPointList* points);

} // namespace marivo
