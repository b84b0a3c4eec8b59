#pragma once

namespace marivo {

// Makes the network components known to form data; the first call does it, later calls nothing.
void RegisterNetClasses();

} // namespace marivo
