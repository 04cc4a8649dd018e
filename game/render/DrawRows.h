#pragma once
// The per-row kernels of the drawing operations: a run of source pixels put onto a run of
// destination pixels, eight at a time. Eight RGB565 pixels are one 128-bit vector, which the
// compiler turns into SIMD instructions where the processor has them (SSE2 on every x86-64,
// NEON on ARM) and into plain code elsewhere. Every kernel gives exactly the pixels of the
// per-pixel arithmetic it names.
#include <cstdint>
#include <cstring>

namespace sk::draw {

using TPixels8 = std::uint16_t __attribute__((vector_size(16)));

// The kernels are a handful of instructions each; a call per eight pixels would cost more.
#define SK_DRAW_INLINE [[gnu::always_inline]] inline
// The same for the pixel lambdas handed to the kernels.
#define SK_DRAW_INLINE_LAMBDA __attribute__((always_inline))

SK_DRAW_INLINE TPixels8 Load8(const std::uint16_t* p) {
  TPixels8 v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

SK_DRAW_INLINE void Store8(std::uint16_t* p, TPixels8 v) { std::memcpy(p, &v, sizeof v); }

SK_DRAW_INLINE TPixels8 Splat(int value) { return TPixels8{} + static_cast<std::uint16_t>(value); }

using TSigned8 = std::int16_t __attribute__((vector_size(16)));

// The smaller of each pair of lanes, both below 32768 (one instruction on SSE2 and NEON).
SK_DRAW_INLINE TPixels8 Min(TPixels8 a, TPixels8 b) {
  const TSigned8 sa = reinterpret_cast<TSigned8>(a), sb = reinterpret_cast<TSigned8>(b);
  return reinterpret_cast<TPixels8>(sa < sb ? sa : sb);
}

// min(255, s + d) per 8-bit channel. The widened channels carry zeros in their low bits, so
// this is a saturating add of the 5-, 6- and 5-bit fields; each field is summed where the sum
// stays below bit 15, and capped.
SK_DRAW_INLINE TPixels8 AddSaturate8(TPixels8 s, TPixels8 d) {
  const TPixels8 r = Min(((s & 0xF800) >> 2) + ((d & 0xF800) >> 2), Splat(0x3E00)) << 2;
  const TPixels8 g = Min(((s & 0x07E0) << 3) + ((d & 0x07E0) << 3), Splat(0x3F00)) >> 3;
  const TPixels8 b = Min((s & 0x001F) + (d & 0x001F), Splat(0x001F));
  return r | g | b;
}

// (c * alpha) >> 8 of each 8-bit channel c keeps, in the field's own bits, (field * alpha) >> 8.
// With the add above: min(255, ((s * alpha) >> 8) + d) per channel, alpha in 1..254.
SK_DRAW_INLINE TPixels8 Scale8(TPixels8 s, int alpha) {
  const TPixels8 a = Splat(alpha);
  const TPixels8 r = ((s >> 11) * a) >> 8;
  const TPixels8 g = (((s >> 5) & 0x3F) * a) >> 8;
  const TPixels8 b = ((s & 0x1F) * a) >> 8;
  return (r << 11) | (g << 5) | b;
}

// The alpha blend, alpha in 1..254: red and green (s * alpha + d * (255 - alpha)) >> 8 of the
// 8-bit channels, blue d + floor((s - d) * alpha / 256). On the fields that is red and green
// (s * alpha + d * (255 - alpha)) >> 8 and blue (s * alpha + d * (256 - alpha)) >> 8; no
// product exceeds 63 * 255 or 31 * 256, so 16 bits hold them.
SK_DRAW_INLINE TPixels8 Blend8(TPixels8 s, TPixels8 d, int alpha) {
  const TPixels8 a = Splat(alpha);
  const TPixels8 rest = Splat(255 - alpha);
  const TPixels8 r = ((s >> 11) * a + (d >> 11) * rest) >> 8;
  const TPixels8 g = (((s >> 5) & 0x3F) * a + ((d >> 5) & 0x3F) * rest) >> 8;
  const TPixels8 b = ((s & 0x1F) * a + (d & 0x1F) * Splat(256 - alpha)) >> 8;
  return (r << 11) | (g << 5) | b;
}

// Which source pixels are skipped, leaving the destination: those equal to Value, when Keyed.
struct TRowKey {
  bool Keyed = false;
  std::uint16_t Value = 0;
};

// A source is anything with Gather8(i), pixels i .. i + 7 of the run, and At(i), pixel i.

// Eight pixels from eight calls of next(), in lanes 0 to 7, built in registers: written to
// memory one by one and read back as a vector they would wait for each other.
template <typename Next>
SK_DRAW_INLINE TPixels8 Gather8(Next next) {
  const std::uint16_t p0 = next(), p1 = next(), p2 = next(), p3 = next();
  const std::uint16_t p4 = next(), p5 = next(), p6 = next(), p7 = next();
  return TPixels8{p0, p1, p2, p3, p4, p5, p6, p7};
}

// A run of source pixels side by side.
struct TPlainRun {
  const std::uint16_t* Pixels;
  SK_DRAW_INLINE TPixels8 Gather8(int i) const { return Load8(Pixels + i); }
  SK_DRAW_INLINE std::uint16_t At(int i) const { return Pixels[i]; }
};

// Puts `n` pixels of `source` onto `dst` with put(s, d) -> pixels, eight at a time. The last
// group is worked out first, from the destination as it was, and stored last over the end of
// the run: its lanes that overlap the group before get the same values again. Runs shorter
// than eight go pixel by pixel through put1(s, d) -> pixel, by default the same arithmetic in
// one lane.
template <typename Source, typename Put, typename Put1>
SK_DRAW_INLINE void PutRun(std::uint16_t* dst, int n, const Source& source, Put put, Put1 put1) {
  if (n < 8) {
    for (int i = 0; i < n; ++i) dst[i] = put1(source.At(i), dst[i]);
    return;
  }
  const TPixels8 last = put(source.Gather8(n - 8), Load8(dst + n - 8));
  for (int i = 0; i + 8 < n; i += 8) Store8(dst + i, put(source.Gather8(i), Load8(dst + i)));
  Store8(dst + n - 8, last);
}

template <typename Source, typename Put>
SK_DRAW_INLINE void PutRun(std::uint16_t* dst, int n, const Source& source, Put put) {
  PutRun(dst, n, source, put, [put](std::uint16_t s, std::uint16_t d) SK_DRAW_INLINE_LAMBDA {
    return put(Splat(s), Splat(d))[0];
  });
}

// The same, leaving the destination under key pixels.
template <typename Source, typename Put>
SK_DRAW_INLINE void PutRow(std::uint16_t* dst, int n, const Source& source, TRowKey key, Put put) {
  if (!key.Keyed) {
    PutRun(dst, n, source, put);
    return;
  }
  const TPixels8 keys = Splat(key.Value);
  PutRun(dst, n, source, [keys, put](TPixels8 s, TPixels8 d) SK_DRAW_INLINE_LAMBDA {
    const TPixels8 keep = reinterpret_cast<TPixels8>(s == keys);
    return (d & keep) | (put(s, d) & ~keep);
  });
}

SK_DRAW_INLINE TPixels8 Replace(TPixels8 s, TPixels8) { return s; }

}  // namespace sk::draw
