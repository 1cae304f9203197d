// The event trace of a run (--trace): JSON Lines, one object per event, each
// with the frame number "f" and the milliseconds "t" since the run started.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Starts writing to `path` ("-" for standard output); returns false when the
// file cannot be opened.
bool OpenTrace(const std::string& path);
void CloseTrace();
bool TraceEnabled();
// The frame counter stamped on events; the main loop advances it.
void AdvanceTraceFrame();
uint64_t TraceFrame();
// Time origin of "t" (set when the run starts).
void SetTraceTimeOrigin(uint32_t time_ms);

// One event; fields are added in order and the line is written on
// destruction. Nothing is built when tracing is off.
class TraceEvent {
 public:
  explicit TraceEvent(std::string_view event_name);
  TraceEvent(const TraceEvent&) = delete;
  TraceEvent& operator=(const TraceEvent&) = delete;
  ~TraceEvent();
  TraceEvent& Int(std::string_view key, int64_t value);
  TraceEvent& Text(std::string_view key, std::string_view utf8);
  // Shift-JIS text, converted to UTF-8.
  TraceEvent& SjisText(std::string_view key, std::string_view sjis);

 private:
  bool active_;
  std::string line_;
};

}  // namespace platform
