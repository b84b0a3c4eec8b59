#pragma once

namespace marivo {

// Makes the library's classes known to form data; the first call does it, later calls nothing.
void RegisterStandardClasses();

} // namespace marivo
