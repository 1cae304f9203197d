#include "runtime/comforts/story_watch.h"

#include <cstring>

#include "engine/el.h"
#include "runtime/project/project_model.h"
#include "runtime/screens/screens.h"

namespace comforts {
namespace {

constexpr int kStoryScreen = 4;

std::string SpeakerOf(int page, int line) {
  const int person = runtime::PageField(page, 2 * line + project::field::kPerson0);
  if (!runtime::IsListNumber(project::kPersons, person)) return {};
  const char* name = hitoname[static_cast<size_t>(person)];
  return name != nullptr ? name : "";
}

// The rows as the message slot split them for drawing.
BacklogLine ComposedText(const std::string& speaker) {
  BacklogLine text;
  text.speaker = speaker;
  for (size_t row = 0; row < text.rows.size(); ++row) {
    text.rows[row] = std::string(MsgBuffer[row], strnlen(MsgBuffer[row], sizeof MsgBuffer[row]));
    if (!text.rows[row].empty()) text.row_count = static_cast<int>(row) + 1;
  }
  return text;
}

}  // namespace

bool OnStoryScreen() {
  return _ScreenNo == kStoryScreen;
}

bool LineComposed() {
  return OnStoryScreen() && soundflug == 1;
}

std::optional<ShownLine> StoryWatch::FrameEnded() {
  std::optional<ShownLine> shown;
  if (pending_) {
    ShownLine line;
    line.page = pending_->page;
    line.line = pending_->line;
    line.text_shown = pending_->text_shown;
    if (line.text_shown) line.text = ComposedText(pending_->speaker);
    shown = line;
    current_ = line;
    pending_.reset();
  }
  if (!OnStoryScreen()) current_.reset();
  // The next frame composes the current line when it has not been yet.
  if (OnStoryScreen() && soundflug == 0 && elDraw::FadeAdd != 1 && DrawSkip == 0) {
    Pending next;
    next.page = sinariono;
    next.line = gyou;
    next.text_shown = runtime::PageLayout(sinariono)[project::slot::kMessage].show != 0;
    next.speaker = SpeakerOf(sinariono, gyou);
    pending_ = next;
    current_.reset();
  }
  const int select = OnStoryScreen() ? selectflug : 0;
  choices_appeared_ = select == 1 && last_select_ != 1;
  last_select_ = select;
  return shown;
}

void StoryWatch::Reset() {
  pending_.reset();
  current_.reset();
  last_select_ = 0;
  choices_appeared_ = false;
}

}  // namespace comforts
