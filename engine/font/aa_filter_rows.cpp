// The fast rows of the 2:1 filter for 16-bit planes: each source column of
// three rows summed once, eight output pixels at a time from neighbouring
// column sums (SSE2 where there is SSE2). When every sample that is not
// black has one colour, only the samples are counted: the sums of the
// components are that count times the colour's.
#include <algorithm>
#include <vector>

#include "engine/font/internal/aa_filter.h"
#include "engine/font/internal/aa_filter_context.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace el::font {
namespace {

// Per source column of three rows: the sums of the three 5-bit components
// and the number of samples that are not black. An output pixel adds three
// neighbouring columns instead of reading nine samples.
struct ColumnSums {
  std::vector<int16_t> r, g, b, n;
  // With one ink: the counts alone, a byte each, and the ink's components.
  std::vector<int8_t> n8;
  int ink_r = 0, ink_g = 0, ink_b = 0;
  std::vector<uint16_t> black;  // a row of black samples
  // Room for `columns` sums, those in [from, to) to be summed, the others
  // (samples outside the source rectangle) zero.
  template <bool kOneInk>
  void Prepare(int columns, int from, int to) {
    if constexpr (kOneInk) {
      Zeroed(n8, columns, from, to);
    } else {
      for (auto* v : {&r, &g, &b, &n}) Zeroed(*v, columns, from, to);
    }
    if (black.size() < static_cast<size_t>(to - from)) black.resize(static_cast<size_t>(to - from));
  }

 private:
  template <typename T>
  static void Zeroed(std::vector<T>& v, int columns, int from, int to) {
    v.resize(static_cast<size_t>(columns));
    std::fill(v.begin(), v.begin() + from, T{0});
    std::fill(v.begin() + to, v.end(), T{0});
  }
};

// Sums `count` columns of three rows into the sums from index `at` on.
void SumColumns(const uint16_t* r0, const uint16_t* r1, const uint16_t* r2, int count, int at,
                const ChannelShifts& sh, ColumnSums& sums) {
  int i = 0;
#if defined(__SSE2__)
  const __m128i five = _mm_set1_epi16(31), zero = _mm_setzero_si128();
  const __m128i shift_r = _mm_cvtsi32_si128(sh.r), shift_g = _mm_cvtsi32_si128(sh.g),
                shift_b = _mm_cvtsi32_si128(sh.b);
  const auto channel = [five](__m128i p, __m128i shift) {
    return _mm_and_si128(_mm_srl_epi16(p, shift), five);
  };
  for (; i + 8 <= count; i += 8) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(r0 + i));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(r1 + i));
    const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(r2 + i));
    const auto store = [i, at](std::vector<int16_t>& to, __m128i v) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(to.data() + at + i), v);
    };
    // cmpeq gives -1 for black: three minus the black ones.
    const __m128i blacks =
        _mm_add_epi16(_mm_add_epi16(_mm_cmpeq_epi16(a, zero), _mm_cmpeq_epi16(b, zero)),
                      _mm_cmpeq_epi16(c, zero));
    store(sums.n, _mm_add_epi16(_mm_set1_epi16(3), blacks));
    // Text leaves about half of these groups black: their sums are zero.
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(blacks, _mm_set1_epi16(-3))) == 0xFFFF) {
      store(sums.r, zero);
      store(sums.g, zero);
      store(sums.b, zero);
      continue;
    }
    const auto sum = [&](__m128i shift) {
      return _mm_add_epi16(_mm_add_epi16(channel(a, shift), channel(b, shift)), channel(c, shift));
    };
    store(sums.r, sum(shift_r));
    store(sums.g, sum(shift_g));
    store(sums.b, sum(shift_b));
  }
#endif
  for (; i < count; ++i) {
    const auto channel = [](uint16_t p, int shift) { return (p >> shift) & 31; };
    const auto sum = [&](int shift) {
      return static_cast<int16_t>(channel(r0[i], shift) + channel(r1[i], shift) +
                                  channel(r2[i], shift));
    };
    sums.r[at + i] = sum(sh.r), sums.g[at + i] = sum(sh.g), sums.b[at + i] = sum(sh.b);
    sums.n[at + i] = static_cast<int16_t>((r0[i] != 0) + (r1[i] != 0) + (r2[i] != 0));
  }
}

// Counts the samples that are not black in `count` columns of three rows,
// from index `at` on, sixteen columns at a time.
void CountColumns(const uint16_t* r0, const uint16_t* r1, const uint16_t* r2, int count, int at,
                  ColumnSums& sums) {
  int i = 0;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  // -1 per black sample of sixteen, as bytes.
  const auto blacks = [zero](const uint16_t* row) {
    const __m128i lo = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row));
    const __m128i hi = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + 8));
    return _mm_packs_epi16(_mm_cmpeq_epi16(lo, zero), _mm_cmpeq_epi16(hi, zero));
  };
  for (; i + 16 <= count; i += 16) {
    const __m128i black =
        _mm_add_epi8(_mm_add_epi8(blacks(r0 + i), blacks(r1 + i)), blacks(r2 + i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(sums.n8.data() + at + i),
                     _mm_add_epi8(_mm_set1_epi8(3), black));
  }
#endif
  for (; i < count; ++i)
    sums.n8[at + i] = static_cast<int8_t>((r0[i] != 0) + (r1[i] != 0) + (r2[i] != 0));
}

// One output pixel from the column sums at i, i + 1 and i + 2.
template <bool kOneInk>
uint16_t FromColumns(const ColumnSums& sums, int i, uint16_t back, uint16_t old,
                     const ChannelShifts& sh) {
  const int count = kOneInk ? sums.n8[i] + sums.n8[i + 1] + sums.n8[i + 2]
                            : sums.n[i] + sums.n[i + 1] + sums.n[i + 2];
  if (count == 0) return old;  // stays transparent
  const int weight = count > 8 ? 0 : 8 - count;
  const auto mix = [&](const std::vector<int16_t>& sum, int ink, int shift) {
    const int back_c = (back >> shift) & 31;
    const int total = kOneInk ? count * ink : sum[i] + sum[i + 1] + sum[i + 2];
    return std::min(31, (total + 31 + back_c * weight) / 8) << shift;
  };
  return static_cast<uint16_t>(mix(sums.r, sums.ink_r, sh.r) | mix(sums.g, sums.ink_g, sh.g) |
                               mix(sums.b, sums.ink_b, sh.b));
}

#if defined(__SSE2__)
// Eight output pixels from the column sums at i, i + 2, ..., i + 14 (and
// the two after each): the sums of three neighbours for sixteen columns,
// of which the even ones are kept.
class FilterBlocks {
 public:
  FilterBlocks(const ChannelShifts& sh, const ColumnSums& sums)
      : r_(_mm_cvtsi32_si128(sh.r)),
        g_(_mm_cvtsi32_si128(sh.g)),
        b_(_mm_cvtsi32_si128(sh.b)),
        ink_r_(Splat(sums.ink_r)),
        ink_g_(Splat(sums.ink_g)),
        ink_b_(Splat(sums.ink_b)) {}

  // The number of samples that are not black of each of the eight.
  template <bool kOneInk>
  static __m128i Count(const ColumnSums& sums, int i) {
    if constexpr (!kOneInk) return Even(sums.n, i);
    // Byte sums of three neighbours; the even ones are the low bytes.
    const auto at = [&sums, i](int k) {
      return _mm_loadu_si128(reinterpret_cast<const __m128i*>(sums.n8.data() + i + k));
    };
    return _mm_and_si128(_mm_add_epi8(_mm_add_epi8(at(0), at(1)), at(2)), _mm_set1_epi16(0xFF));
  }
  static bool NoneTaken(__m128i count) {
    return _mm_movemask_epi8(_mm_cmpeq_epi16(count, Zero())) == 0xFFFF;
  }

  template <bool kOneInk>
  __m128i Pixels(const ColumnSums& sums, int i, __m128i count, __m128i back, __m128i old) const {
    const __m128i weight = _mm_max_epi16(_mm_sub_epi16(_mm_set1_epi16(8), count), Zero());
    const auto mix = [&](const std::vector<int16_t>& sum, __m128i ink, __m128i shift) {
      const __m128i back_c = _mm_and_si128(_mm_srl_epi16(back, shift), _mm_set1_epi16(31));
      const __m128i inked = kOneInk ? _mm_mullo_epi16(count, ink) : Even(sum, i);
      const __m128i total =
          _mm_add_epi16(_mm_add_epi16(inked, _mm_set1_epi16(31)), _mm_mullo_epi16(back_c, weight));
      return _mm_sll_epi16(_mm_min_epi16(_mm_srli_epi16(total, 3), _mm_set1_epi16(31)), shift);
    };
    const __m128i mixed = _mm_or_si128(
        _mm_or_si128(mix(sums.r, ink_r_, r_), mix(sums.g, ink_g_, g_)), mix(sums.b, ink_b_, b_));
    const __m128i empty = _mm_cmpeq_epi16(count, Zero());
    return _mm_or_si128(_mm_and_si128(empty, old), _mm_andnot_si128(empty, mixed));
  }

 private:
  static __m128i Zero() { return _mm_setzero_si128(); }
  static __m128i Load(const std::vector<int16_t>& v, int i) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(v.data() + i));
  }
  // Sums of three neighbours starting at the even offsets of i .. i + 15.
  static __m128i Even(const std::vector<int16_t>& v, int i) {
    const auto three = [&v](int at) {
      return _mm_add_epi16(_mm_add_epi16(Load(v, at), Load(v, at + 1)), Load(v, at + 2));
    };
    const auto low_halves = [](__m128i x) { return _mm_srai_epi32(_mm_slli_epi32(x, 16), 16); };
    return _mm_packs_epi32(low_halves(three(i)), low_halves(three(i + 8)));
  }

  static __m128i Splat(int v) { return _mm_set1_epi16(static_cast<int16_t>(v)); }

  __m128i r_, g_, b_;
  __m128i ink_r_, ink_g_, ink_b_;  // the one ink's components
};
#endif

// One output row from the column sums of its three source rows. Samples
// outside the source rectangle are summed as black, which is what not
// taking them amounts to.
template <bool kOneInk>
void FilterRow(const FilterContext& context, ColumnSums& sums, int v, int u_lo, int u_hi) {
  const FilterArea& area = context.Area();
  const Box& s = context.Clipped();
  const int cy = area.source.y1 + 2 * v;
  // Output pixel u reads columns from + 2 (u - u_lo) and the two after it;
  // the blocks read up to sixteen sums further.
  const int from = area.source.x1 + 2 * u_lo - 1;
  const int columns = 2 * (u_hi - u_lo) + 1;
  const int in_lo = std::clamp(s.x1, from, from + columns);
  const int in_hi = std::clamp(s.x2, in_lo, from + columns);
  sums.Prepare<kOneInk>(columns + 16, in_lo - from, in_hi - from);
  const uint16_t* rows[3];
  bool any = false;
  for (int k = 0; k < 3; ++k) {
    const int y = cy - 1 + k;
    const bool inside = y >= s.y1 && y < s.y2;
    rows[k] = inside ? context.SourceRow(y) + in_lo : sums.black.data();
    any = any || inside;
  }
  if (!any) return;  // every sample is outside: nothing is drawn
  if constexpr (kOneInk)
    CountColumns(rows[0], rows[1], rows[2], in_hi - in_lo, in_lo - from, sums);
  else
    SumColumns(rows[0], rows[1], rows[2], in_hi - in_lo, in_lo - from, context.Shifts(), sums);
  const ChannelShifts& sh = context.Shifts();
  // Output pixel u is column px + u of its rows.
  const uint16_t* back = context.BackgroundRow(area.py + v);
  uint16_t* out = context.OutputRow(area.py + v);
  const int px = area.px;
  int u = u_lo;
#if defined(__SSE2__)
  const FilterBlocks blocks(sh, sums);
  for (; u + 8 <= u_hi; u += 8) {
    const int i = 2 * (u - u_lo);
    const __m128i count = FilterBlocks::Count<kOneInk>(sums, i);
    if (FilterBlocks::NoneTaken(count)) continue;  // all eight stay transparent
    const auto at = [px, u](const uint16_t* row) {
      return _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + px + u));
    };
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + px + u),
                     blocks.Pixels<kOneInk>(sums, i, count, at(back), at(out)));
  }
#endif
  for (; u < u_hi; ++u)
    out[px + u] = FromColumns<kOneInk>(sums, 2 * (u - u_lo), back[px + u], out[px + u], sh);
}

// Every output row of the area that lies inside the output and background
// planes.
template <bool kOneInk>
void FilterRows(const FilterContext& context, ColumnSums& sums) {
  const FilterArea& area = context.Area();
  const int u_lo = std::max(0, -area.px), v_lo = std::max(0, -area.py);
  const int u_hi =
      std::min({area.ex, context.OutputWidth() - area.px, context.BackgroundWidth() - area.px});
  const int v_hi =
      std::min({area.ey, context.OutputHeight() - area.py, context.BackgroundHeight() - area.py});
  if (u_lo >= u_hi || v_lo >= v_hi) return;
  for (int v = v_lo; v < v_hi; ++v) FilterRow<kOneInk>(context, sums, v, u_lo, u_hi);
}

// The column sums' storage, kept from one line to the next: a message
// filters several.
ColumnSums& ReusedSums() {
  thread_local ColumnSums sums;
  return sums;
}

bool AllSixteenBit(const PixelPlane& a, const PixelPlane& b, const PixelPlane& c) {
  return a.bytes_per_pixel == 2 && b.bytes_per_pixel == 2 && c.bytes_per_pixel == 2;
}

}  // namespace

void FilterHalf(const PixelPlane& source, const PixelPlane& output, const PixelPlane& background,
                const FilterArea& area, const ChannelShifts& shifts) {
  if (!AllSixteenBit(source, output, background)) {
    FilterHalfReference(source, output, background, area, shifts);
    return;
  }
  FilterRows<false>(FilterContext(source, output, background, area, shifts), ReusedSums());
}

void FilterHalfOneInk(const PixelPlane& source, const PixelPlane& output,
                      const PixelPlane& background, const FilterArea& area,
                      const ChannelShifts& shifts, uint16_t ink) {
  if (!AllSixteenBit(source, output, background)) {
    FilterHalfReference(source, output, background, area, shifts);
    return;
  }
  ColumnSums& sums = ReusedSums();
  sums.ink_r = (ink >> shifts.r) & 31, sums.ink_g = (ink >> shifts.g) & 31;
  sums.ink_b = (ink >> shifts.b) & 31;
  FilterRows<true>(FilterContext(source, output, background, area, shifts), sums);
}

}  // namespace el::font
