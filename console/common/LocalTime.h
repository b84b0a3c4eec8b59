#pragma once

namespace marivo {

// The computer's local date and time now, as a date-time number (days since 1899-12-30).
double LocalDateTime();

} // namespace marivo
