#pragma once

namespace marivo::corvella {

// Makes every class of the console's forms known to form data.
void RegisterCorvellaClasses();

} // namespace marivo::corvella
