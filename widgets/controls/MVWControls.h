#pragma once

namespace marivo {

// Makes the widget control classes known to form data (the foundation's too); the first call
// does it.
void RegisterControlClasses();

} // namespace marivo
