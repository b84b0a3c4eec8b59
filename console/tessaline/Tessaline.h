#pragma once

namespace marivo {

// Makes every class of the console's forms known to form data.
void RegisterTessalineClasses();

} // namespace marivo
