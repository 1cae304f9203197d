#include "runtime/project/project_file.h"

#include <algorithm>
#include <cstring>

namespace project {
namespace {

static_assert(kBlocks.back().offset + kBlocks.back().size == kFileSize);

// Reads fields in file order from a full-size image.
class Reader {
 public:
  explicit Reader(std::span<const uint8_t> image) : image_(image) {}
  size_t Offset() const { return pos_; }

  int32_t Int() {
    const uint32_t v = static_cast<uint32_t>(image_[pos_]) |
                       (static_cast<uint32_t>(image_[pos_ + 1]) << 8) |
                       (static_cast<uint32_t>(image_[pos_ + 2]) << 16) |
                       (static_cast<uint32_t>(image_[pos_ + 3]) << 24);
    pos_ += 4;
    return static_cast<int32_t>(v);
  }
  uint8_t Byte() { return image_[pos_++]; }
  void Bytes(void* out, size_t n) {
    std::memcpy(out, image_.data() + pos_, n);
    pos_ += n;
  }
  void Text(TextRecord* record) { Bytes(record->data(), record->size()); }
  void Slot(ScreenParam* p) {
    p->show = Byte();
    p->sprite = Byte();
    Bytes(p->padding1.data(), p->padding1.size());
    p->x = Int();
    p->y = Int();
    p->stretch = Byte();
    Bytes(p->padding2.data(), p->padding2.size());
    p->sizex = Int();
    p->sizey = Int();
  }

 private:
  std::span<const uint8_t> image_;
  size_t pos_ = 0;
};

class Writer {
 public:
  explicit Writer(std::vector<uint8_t>* out) : out_(out) {}

  void Int(int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) out_->push_back(static_cast<uint8_t>(v >> (8 * i)));
  }
  void Byte(uint8_t b) { out_->push_back(b); }
  void Bytes(const void* in, size_t n) {
    const auto* p = static_cast<const uint8_t*>(in);
    out_->insert(out_->end(), p, p + n);
  }
  void Text(const TextRecord& record) { Bytes(record.data(), record.size()); }
  void Slot(const ScreenParam& p) {
    Byte(p.show);
    Byte(p.sprite);
    Bytes(p.padding1.data(), p.padding1.size());
    Int(p.x);
    Int(p.y);
    Byte(p.stretch);
    Bytes(p.padding2.data(), p.padding2.size());
    Int(p.sizex);
    Int(p.sizey);
  }

 private:
  std::vector<uint8_t>* out_;
};

// Both directions walk the blocks in the order of kBlocks, so reader and
// writer cannot drift apart.
template <typename Stream, typename Data>
void Walk(Stream& s, Data& d) {
  for (auto& record : d.str) s.Text(record);
  for (auto& page : d.str2)
    for (auto& value : page) s.Int(value);
  for (auto& record : d.str3) s.Text(record);
  s.Int(d.str4);
  s.Int(d.sinariono);
  for (auto& record : d.str5) s.Text(record);
  for (auto& p : d.str6) s.Slot(p);
  for (auto& value : d.str7) s.Int(value);
  for (auto& count : d.picname.counts) s.Int(count);
  for (auto& list : d.picname.names)
    for (auto& record : list) s.Text(record);
  for (auto& page : d.pagescrinf)
    for (auto& p : page) s.Slot(p);
  s.Bytes(d.pagescrused.data(), d.pagescrused.size());
}

// Adapters so that Walk can use one spelling for both directions.
struct DecodeStream {
  Reader& r;
  void Text(TextRecord& t) { r.Text(&t); }
  void Int(int32_t& v) { v = r.Int(); }
  void Slot(ScreenParam& p) { r.Slot(&p); }
  void Bytes(uint8_t* p, size_t n) { r.Bytes(p, n); }
};

struct EncodeStream {
  Writer& w;
  void Text(const TextRecord& t) { w.Text(t); }
  void Int(const int32_t& v) { w.Int(v); }
  void Slot(const ScreenParam& p) { w.Slot(p); }
  void Bytes(const uint8_t* p, size_t n) { w.Bytes(p, n); }
};

}  // namespace

void Decode(std::span<const uint8_t> file, ProjectData* out) {
  // A short file reads as if it were padded with zero bytes.
  std::vector<uint8_t> image(kFileSize, 0);
  std::copy_n(file.begin(), std::min(file.size(), kFileSize), image.begin());
  Reader reader(image);
  DecodeStream stream{reader};
  Walk(stream, *out);
}

std::vector<uint8_t> Encode(const ProjectData& data) {
  std::vector<uint8_t> out;
  out.reserve(kFileSize);
  Writer writer(&out);
  EncodeStream stream{writer};
  Walk(stream, data);
  return out;
}

std::string_view FieldText(const TextRecord& record) {
  const auto end = std::find(record.begin(), record.end(), '\0');
  return std::string_view(record.data(), static_cast<size_t>(end - record.begin()));
}

}  // namespace project
