#include "game/maps/JpegDecoder.h"

#include <algorithm>
#include <csetjmp>
#include <vector>
#include <cstdio>  // jpeglib.h needs FILE

#include <jpeglib.h>

namespace sk {
namespace {

static_assert(sizeof(TRgb) == 3, "a picture row must be packed RGB for libjpeg to fill");

// libjpeg's default error handling prints and calls exit(); ours jumps back to the decoder,
// which turns the error into an empty result. Warnings are only counted, never printed.
struct TJpegErrors {
  jpeg_error_mgr Manager;  // must stay first: libjpeg hands back a pointer to it
  std::jmp_buf Jump;
};

[[noreturn]] void JumpOnError(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<TJpegErrors*>(cinfo->err)->Jump, 1);
}

void DiscardMessage(j_common_ptr) {}

// Called between units of input work; a progressive file with endless scans would
// otherwise redo the whole picture's bookkeeping once per scan.
void LimitScans(j_common_ptr cinfo) {
  if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxJpegScans) {
    JumpOnError(cinfo);
  }
}

bool SideFits(JDIMENSION side) { return side > 0 && side <= static_cast<JDIMENSION>(kMaxJpegSide); }

bool SizeFits(JDIMENSION width, JDIMENSION height) {
  return SideFits(width) && SideFits(height) &&
         std::size_t{width} * std::size_t{height} <= kMaxPicturePixels;
}

// Print-shop CMYK files store the channels inverted (Adobe) or plain.
TRgb CmykToRgb(const JSAMPLE* p, bool inverted) {
  int c = p[0], m = p[1], y = p[2], k = p[3];
  if (!inverted) {
    c = 255 - c;
    m = 255 - m;
    y = 255 - y;
    k = 255 - k;
  }
  return TRgb{static_cast<std::uint8_t>(c * k / 255), static_cast<std::uint8_t>(m * k / 255),
              static_cast<std::uint8_t>(y * k / 255)};
}

// Reads every scanline into `picture`, converting CMYK through `cmyk_row` when it is given.
// Colour rows go straight into the picture, several at a time, which spares libjpeg's
// upsampler a copy through its own row buffer.
void ReadRows(j_decompress_ptr cinfo, TPicture& picture, JSAMPLE* cmyk_row) {
  const bool inverted = cinfo->saw_Adobe_marker;
  constexpr int kBatch = 16;
  JSAMPROW rows[kBatch];
  while (cinfo->output_scanline < cinfo->output_height) {
    const int y = static_cast<int>(cinfo->output_scanline);
    int count = 1;
    if (cmyk_row != nullptr) {
      rows[0] = cmyk_row;
    } else {
      count = std::min(kBatch, picture.Height - y);
      for (int i = 0; i < count; ++i) rows[i] = reinterpret_cast<JSAMPLE*>(&picture.At(0, y + i));
    }
    if (jpeg_read_scanlines(cinfo, rows, static_cast<JDIMENSION>(count)) == 0) return;
    if (cmyk_row == nullptr) continue;
    for (int x = 0; x < picture.Width; ++x) picture.At(x, y) = CmykToRgb(cmyk_row + 4 * x, inverted);
  }
}

// Everything that libjpeg may jump out of lives here. No local of this function has a
// destructor, so the jump skips nothing; `picture` and `cmyk_row` belong to the caller.
bool Decode(jpeg_decompress_struct* cinfo, TJpegErrors* errors, jpeg_progress_mgr* progress,
            std::span<const std::uint8_t> bytes, TPicture* picture,
            std::vector<JSAMPLE>* cmyk_row) {
  if (setjmp(errors->Jump) != 0) return false;
  jpeg_create_decompress(cinfo);
  cinfo->mem->max_memory_to_use = kMaxJpegWorkMemory;
  cinfo->progress = progress;
  jpeg_mem_src(cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(cinfo, TRUE) != JPEG_HEADER_OK) return false;
  if (!SizeFits(cinfo->image_width, cinfo->image_height)) return false;
  const bool cmyk = cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK;
  cinfo->out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_start_decompress(cinfo);
  *picture = TPicture(static_cast<int>(cinfo->output_width), static_cast<int>(cinfo->output_height));
  if (cmyk) cmyk_row->resize(static_cast<std::size_t>(cinfo->output_width) * 4);
  ReadRows(cinfo, *picture, cmyk ? cmyk_row->data() : nullptr);
  return true;
}

// Frees the decoder however the decode ends (destroying one that was never created, whose
// memory manager is still null, does nothing).
struct TDecompressor {
  jpeg_decompress_struct Info{};
  TJpegErrors Errors{};
  jpeg_progress_mgr Progress{};

  TDecompressor() {
    Info.err = jpeg_std_error(&Errors.Manager);
    Errors.Manager.error_exit = JumpOnError;
    Errors.Manager.output_message = DiscardMessage;
    Progress.progress_monitor = LimitScans;
  }
  ~TDecompressor() { jpeg_destroy_decompress(&Info); }
  TDecompressor(const TDecompressor&) = delete;
  TDecompressor& operator=(const TDecompressor&) = delete;
};

}  // namespace

std::optional<TPicture> DecodeJpeg(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return std::nullopt;
  TDecompressor decompressor;
  TPicture picture;
  std::vector<JSAMPLE> cmyk_row;
  if (!Decode(&decompressor.Info, &decompressor.Errors, &decompressor.Progress, bytes, &picture,
              &cmyk_row)) {
    return std::nullopt;
  }
  return picture;
}

}  // namespace sk
