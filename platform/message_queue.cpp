// The window system's message queue, shared by both backends: backends post
// translated native events; the main loop takes them one at a time and
// dispatches them to the window procedure.
#include <algorithm>
#include <array>
#include <deque>
#include <vector>

#include "platform/platform.h"

namespace platform {
namespace {

struct QueueState {
  std::deque<Message> messages;
  std::array<bool, 256> key_down{};
  std::array<bool, 256> toggled{};
  WindowProcedure procedure = nullptr;
  MessageFilter filter = nullptr;
  std::vector<EventSource> sources;
};

QueueState& State() {
  static QueueState state;
  return state;
}

// The key-state table follows the messages as they are taken, as the window
// system's per-thread key state does.
void TrackKeyState(const Message& m) {
  auto& s = State();
  const auto set = [&](uint32_t key, bool down) {
    if (key >= s.key_down.size()) return;
    if (down && !s.key_down[key]) s.toggled[key] = !s.toggled[key];
    s.key_down[key] = down;
  };
  switch (m.message) {
    case msg::kKeyDown:
    case msg::kSysKeyDown:
      set(static_cast<uint32_t>(m.wparam), true);
      break;
    case msg::kKeyUp:
    case msg::kSysKeyUp:
      set(static_cast<uint32_t>(m.wparam), false);
      break;
    case msg::kLButtonDown:
    case msg::kLButtonDblClk:
      set(vk::kLButton, true);
      break;
    case msg::kLButtonUp:
      set(vk::kLButton, false);
      break;
    case msg::kRButtonDown:
    case msg::kRButtonDblClk:
      set(vk::kRButton, true);
      break;
    case msg::kRButtonUp:
      set(vk::kRButton, false);
      break;
    default:
      break;
  }
}

// Characters produced by the translation of a key: letters, digits, space,
// Enter, Backspace, Tab and Escape.
int CharacterOfKey(uint32_t key) {
  if (key >= 'A' && key <= 'Z') return static_cast<int>(key - 'A' + 'a');
  if (key >= '0' && key <= '9') return static_cast<int>(key);
  switch (key) {
    case vk::kSpace:
    case vk::kReturn:
    case vk::kBack:
    case vk::kTab:
    case vk::kEscape:
      return static_cast<int>(key);
    default:
      return -1;
  }
}

void PollEventSources() {
  // Copied, so that a source may remove itself while being polled.
  const auto sources = State().sources;
  for (const EventSource source : sources) source();
}

}  // namespace

void SetWindowProcedure(WindowProcedure procedure) {
  State().procedure = procedure;
}

bool PeekMessage(Message* out) {
  auto& s = State();
  if (s.messages.empty()) {
    PollEventSources();
    if (HasBackend()) CurrentBackend().PumpEvents();
  }
  for (;;) {
    if (s.messages.empty()) return false;
    *out = s.messages.front();
    s.messages.pop_front();
    if (s.filter == nullptr || s.filter(*out)) break;
  }
  TrackKeyState(*out);
  return true;
}

void SetMessageFilter(MessageFilter filter) {
  State().filter = filter;
}

void WaitMessage() {
  auto& s = State();
  PollEventSources();
  while (s.messages.empty() && HasBackend()) {
    CurrentBackend().WaitEvents();
    PollEventSources();
  }
}

void AddEventSource(EventSource source) {
  State().sources.push_back(source);
}

void RemoveEventSource(EventSource source) {
  auto& sources = State().sources;
  sources.erase(std::remove(sources.begin(), sources.end(), source), sources.end());
}

void PostMessage(uint32_t message, uint64_t wparam, int64_t lparam) {
  State().messages.push_back({message, wparam, lparam});
}

void PostQuitMessage(int exit_code) {
  PostMessage(msg::kQuit, static_cast<uint64_t>(exit_code), 0);
}

void TranslateMessage(const Message& message) {
  if (message.message != msg::kKeyDown) return;
  const int c = CharacterOfKey(static_cast<uint32_t>(message.wparam));
  if (c >= 0) PostMessage(msg::kChar, static_cast<uint64_t>(c), message.lparam);
}

int64_t DispatchMessage(const Message& message) {
  return SendMessage(message.message, message.wparam, message.lparam);
}

int64_t SendMessage(uint32_t message, uint64_t wparam, int64_t lparam) {
  auto& s = State();
  if (s.procedure == nullptr) return DefWindowProc(message, wparam, lparam);
  return s.procedure(message, wparam, lparam);
}

int64_t DefWindowProc(uint32_t message, uint64_t wparam, int64_t lparam) {
  (void)lparam;
  switch (message) {
    case msg::kSysKeyDown:
      // Alt+F4 asks the window to close.
      if (wparam == vk::kF4) SendMessage(msg::kClose, 0, 0);
      return 0;
    case msg::kClose:
      DestroyMainWindow();
      return 0;
    case msg::kSetCursor:
      SetCursorShape(true);
      return 1;
    default:
      return 0;
  }
}

int16_t GetKeyState(uint32_t virtual_key) {
  auto& s = State();
  if (virtual_key >= s.key_down.size()) return 0;
  int16_t state = s.toggled[virtual_key] ? 1 : 0;
  if (s.key_down[virtual_key]) state = static_cast<int16_t>(state | static_cast<int16_t>(0xFF80));
  return state;
}

void ResetMessageQueue() {
  auto& s = State();
  s.messages.clear();
  s.key_down.fill(false);
  s.toggled.fill(false);
}

}  // namespace platform
