#pragma once

namespace marivo {

// Makes the panels, the fill panels and the widget scroll box known to form data (the bases'
// classes too); the first call does it.
void RegisterWidgetPanelClasses();

} // namespace marivo
