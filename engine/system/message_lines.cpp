// Splitting one story text line into the display rows of MsgBuffer.
#include <cstring>

#include "engine/el.h"
#include "platform/encoding.h"

namespace {

constexpr int kRows = 4;
constexpr int kWrapColumn = 39;                  // a character starting beyond it opens a new row
constexpr uint8_t kWideSpace[2] = {0x81, 0x40};  // the double-byte space

class RowWriter {
 public:
  RowWriter() { std::memset(MsgBuffer, 0, sizeof(MsgBuffer)); }
  bool Full() const { return row_ >= kRows; }
  int Rows() const { return row_; }
  int Column() const { return column_; }
  void EndRow() {
    MsgBuffer[row_][column_] = '\0';
    ++row_;
    column_ = 0;
  }
  void Append(const char* bytes, int length) {
    std::memcpy(&MsgBuffer[row_][column_], bytes, static_cast<size_t>(length));
    column_ += length;
  }

 private:
  int row_ = 0;
  int column_ = 0;
};

}  // namespace

int elSystem::FMessage(const char* msg) {
  RowWriter rows;
  const char* p = msg;
  while (*p != '\0' && !rows.Full()) {
    // *p is not the terminator, so p[1] can be read.
    const int length = static_cast<int>(platform::Cp932CharLength({p, 2}, 0));
    const bool lead = platform::IsLeadByte(static_cast<uint8_t>(*p));
    // A lead byte without its trail byte ends the text: the row never takes
    // half a character and nothing past the terminator is read.
    if (lead && length == 1) break;
    const bool breaks_row = *p == '/' || (lead && static_cast<uint8_t>(p[0]) == kWideSpace[0] &&
                                          static_cast<uint8_t>(p[1]) == kWideSpace[1]);
    if (breaks_row) {
      rows.EndRow();
    } else {
      if (rows.Column() > kWrapColumn) {
        rows.EndRow();
        if (rows.Full()) break;
      }
      rows.Append(p, length);
    }
    p += length;
  }
  if (rows.Column() > 0 && !rows.Full()) rows.EndRow();
  return rows.Rows();
}
