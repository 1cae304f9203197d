// The display the benchmarks draw on, opened on the platform's do-nothing
// backend (presents nowhere, answers at once, has no devices), for timing
// the engine's own work.
#pragma once

namespace bench_support {

// Installs the backend and opens a 640 x 480 16-bit display on it (without
// the other engine classes).
void OpenDisplay();

}  // namespace bench_support
