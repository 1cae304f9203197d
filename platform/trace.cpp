#include "platform/trace.h"

#include <cstdio>
#include <memory>

#include "platform/encoding.h"
#include "platform/platform.h"

namespace platform {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f != nullptr && f != stdout) std::fclose(f);
  }
};

std::unique_ptr<std::FILE, FileCloser> g_trace;
uint64_t g_frame = 0;
uint32_t g_origin_ms = 0;

void AppendJsonString(std::string_view s, std::string* out) {
  out->push_back('"');
  for (const char c : s) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out->append("\\\"");
        break;
      case '\\':
        out->append("\\\\");
        break;
      case '\n':
        out->append("\\n");
        break;
      case '\r':
        out->append("\\r");
        break;
      case '\t':
        out->append("\\t");
        break;
      default:
        if (u < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", u);
          out->append(buf);
        } else {
          out->push_back(c);
        }
    }
  }
  out->push_back('"');
}

}  // namespace

bool OpenTrace(const std::string& path) {
  if (path == "-") {
    g_trace.reset(stdout);
    return true;
  }
  g_trace.reset(std::fopen(path.c_str(), "w"));
  return g_trace != nullptr;
}

void CloseTrace() {
  g_trace.reset();
}
bool TraceEnabled() {
  return g_trace != nullptr;
}
void AdvanceTraceFrame() {
  ++g_frame;
}
uint64_t TraceFrame() {
  return g_frame;
}
void SetTraceTimeOrigin(uint32_t time_ms) {
  g_origin_ms = time_ms;
}

TraceEvent::TraceEvent(std::string_view event_name) : active_(TraceEnabled()) {
  if (!active_) return;
  const uint32_t now = HasBackend() ? BackendTimeMs() - g_origin_ms : 0;
  line_ = "{\"f\":" + std::to_string(g_frame) + ",\"t\":" + std::to_string(now) + ",\"ev\":";
  AppendJsonString(event_name, &line_);
}

TraceEvent::~TraceEvent() {
  if (!active_ || !g_trace) return;
  line_.append("}\n");
  std::fwrite(line_.data(), 1, line_.size(), g_trace.get());
  std::fflush(g_trace.get());
}

TraceEvent& TraceEvent::Int(std::string_view key, int64_t value) {
  if (!active_) return *this;
  line_.push_back(',');
  AppendJsonString(key, &line_);
  line_.push_back(':');
  line_.append(std::to_string(value));
  return *this;
}

TraceEvent& TraceEvent::Text(std::string_view key, std::string_view utf8) {
  if (!active_) return *this;
  line_.push_back(',');
  AppendJsonString(key, &line_);
  line_.push_back(':');
  AppendJsonString(utf8, &line_);
  return *this;
}

TraceEvent& TraceEvent::SjisText(std::string_view key, std::string_view sjis) {
  if (!active_) return *this;
  return Text(key, Cp932ToUtf8(sjis));
}

}  // namespace platform
