#pragma once
// The one way an error that escapes an event handler leaves: the
// application's error report.

namespace ui {

// Reports the exception being handled (call inside a catch block) through the
// application's error report; never throws.
void ReportException() noexcept;

} // namespace ui
